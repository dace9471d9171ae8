#include "app/command_history.h"

#include "util/debug_log.h"
#include <cstdio>

namespace {

std::wstring widen(const std::string& text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (unsigned char c : text) wide.push_back((wchar_t)c);
  return wide;
}

}  // namespace

command_history::command_history() {
  for (int s = 0; s < set_count; s++) {
    sets[s][0] = std::wstring();
    sets[s][1] = std::wstring();
    positions[s] = 1;
  }
  // Before anything was typed, the disconnected set offers the way back in.
  sets[0][newest_slot] = std::wstring(L"connect");
}

const std::wstring* command_history::entry(int k) const {
  if (k < 0 || k >= slot_count || !sets[active][k]) return nullptr;
  return &*sets[active][k];
}

void command_history::history_up(edit_line& line) {
  if (line.cursor > line.text.size()) line.cursor = line.text.size();
  if (line.cursor < line.text.size()) {
    size_t at = line.cursor == 0 ? std::wstring::npos : line.text.rfind(L'\n', line.cursor - 1);
    line.cursor = at == std::wstring::npos ? 0 : at;
    return;
  }
  int p = current;
  if (p >= slot_count - 1 || p < 0 || !slot(p) || !slot(p + 1)) return;
  if (p == 1) {
    if (!slot(1)) {
      if (debug_level > 0) debug_log("Error in history_up(), entry 1 null?\n");
      return;
    }
    slot(1) = line.text;
  }
  current = p + 1;
  line.text = *slot(current);
  line.cursor = line.text.size();
}

void command_history::history_down(edit_line& line) {
  if (line.cursor > line.text.size()) line.cursor = line.text.size();
  if (line.cursor < line.text.size()) {
    size_t at = line.text.find(L'\n', line.cursor);
    line.cursor = at == std::wstring::npos ? line.text.size() : at + 1;
    return;
  }
  if (current < 1) {
    line.text.clear();
    line.cursor = 0;
    return;
  }
  if (!slot(current)) return;
  if (current == 1) slot(1) = line.text;
  current--;
  if (slot(current)) {
    line.text = *slot(current);
    line.cursor = line.text.size();
  }
}

void command_history::history_store(const std::string& text) {
  if (hidden) return;
  std::wstring wide = widen(text);
  if (!slot(newest_slot) || *slot(newest_slot) != wide) {
    for (int k = slot_count - 1; k > newest_slot; k--) slot(k) = std::move(slot(k - 1));
    slot(newest_slot) = std::move(wide);
  }
  current = 1;
  if (!slot(1)) {
    if (debug_level > 0) debug_log("Error in history_store(), entry 1 null?\n");
    return;
  }
  slot(1) = std::wstring();
}

void command_history::select_history(int set) {
  if (set < 0 || set >= set_count) {
    if (debug_level > 0) debug_log("Error in select_history(), bad history set %d.\n", set);
    return;
  }
  positions[active] = current;
  active = set;
  current = positions[set];
}

std::string command_history::format_history() const {
  std::string text = "\nRecent Command History:";
  for (int k = 20; k >= newest_slot; k--) {
    const std::wstring* e = entry(k);
    if (!e) continue;
    char number[16];
    snprintf(number, sizeof number, "\n%2d - ", k - 1);
    text += number;
    for (wchar_t c : *e) text.push_back(c >= 32 && c <= 126 ? (char)c : c == L'\n' || c == L'\t' ? (char)c : '.');
  }
  text += "\n";
  return text;
}
