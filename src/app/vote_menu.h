// The vote menu entries the server sends ("votemenu" tags) and the menu made from them.
#pragma once

#include <string>
#include <vector>

class VConfig;

// Stores one entry: suffix is the slot number 1..16 as text, data the name line and the
// address line. Slot 1 empties all the others first.
void setup_vote_menu(VConfig& config, const char* suffix, const char* data);

struct vote_menu_item {
  enum kind_type { item, separator, check };
  static const int vote_for_all_id = 6109;
  static const int first_entry_id = 6093;
  static const int reminders_id = 6110;

  kind_type kind;
  int id;
  std::string label;
  bool checked;
};

// The menu's items in order, or none when no entry has a name (then there is no menu).
std::vector<vote_menu_item> build_vote_menu(const VConfig& config);
