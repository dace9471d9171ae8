// The input line's three command histories (disconnected, connected, playing). In each set
// slot 0 is an empty line, slot 1 the line being edited while browsing and slots 2 to 99 the
// sent commands, newest first. Texts are the control's characters (wide), cursor positions
// count characters.
#pragma once

#include <optional>
#include <string>

// The edited text and its cursor, as the history browsing sees and changes them.
struct edit_line {
  std::wstring text;
  size_t cursor = 0;
};

class command_history {
 public:
  static const int set_count = 3;
  static const int slot_count = 100;
  static const int newest_slot = 2;

  command_history();

  // Up and Down: browse the active set when the cursor is at the end, otherwise move the
  // cursor a line within a multi-line text.
  void history_up(edit_line& line);
  void history_down(edit_line& line);
  // A sent line; ignored while the input is hidden.
  void history_store(const std::string& text);
  // Keeps each set's browsing position.
  void select_history(int set);
  // The "//history" listing: up to 19 entries, oldest first, 1 the newest.
  std::string format_history() const;

  void set_hidden_input(bool on) { hidden = on; }
  bool hidden_input() const { return hidden; }
  int active_set() const { return active; }
  int position() const { return current; }
  // Slot k of the active set, or null when absent.
  const std::wstring* entry(int k) const;

 private:
  std::optional<std::wstring>& slot(int k) { return sets[active][k]; }

  std::optional<std::wstring> sets[set_count][slot_count];
  int positions[set_count];
  int current = 1;
  int active = 0;
  bool hidden = false;
};
