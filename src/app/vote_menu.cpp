#include "app/vote_menu.h"

#include "config/vconfig.h"
#include "util/debug_log.h"
#include "util/text_buffer.h"
#include "util/words.h"

void setup_vote_menu(VConfig& config, const char* suffix, const char* data) {
  int slot = 0;
  if (!suffix || !parse_int(suffix, &slot)) slot = 0;
  if (slot < 1 || slot > VConfig::vote_menu_entries) {
    if (debug_level > 1) debug_log("Warning in setup_vote_menu() - got bad index %d from server.\n", slot);
    return;
  }
  if (!data) data = "";
  // Both texts are cut like every fixed text of the client.
  text_buffer name;
  int n = 0;
  while (data[n] && data[n] != '\n') n++;
  name.set_first_line(data);
  const char* second = data[n] == '\n' ? data + n + 1 : nullptr;
  if (!second || !*second) {
    if (debug_level > 1) debug_log("Warning in setup_vote_menu() - missing url line from server.\n");
    return;
  }
  while (*second == ' ' || *second == '\t') second++;
  text_buffer url;
  for (const char* p = second; *p && !is_word_separator(*p) && !url.is_full(); p++) url.append_char(*p);
  if (slot == 1)
    for (int i = 0; i < VConfig::vote_menu_entries; i++) config.set_vote_menu_entry(i, "", "");
  config.set_vote_menu_entry(slot - 1, name.contents(), url.contents());
}

std::vector<vote_menu_item> build_vote_menu(const VConfig& config) {
  std::vector<vote_menu_item> items;
  items.push_back({vote_menu_item::item, vote_menu_item::vote_for_all_id, "Vote For All", false});
  items.push_back({vote_menu_item::separator, 0, "", false});
  bool any = false;
  for (int i = 0; i < VConfig::vote_menu_entries; i++) {
    const char* name = config.get_vote_menu_name(i);
    if (!name || !*name) continue;
    items.push_back({vote_menu_item::item, vote_menu_item::first_entry_id + i, name, false});
    any = true;
  }
  if (!any) return {};
  items.push_back({vote_menu_item::separator, 0, "", false});
  items.push_back({vote_menu_item::check, vote_menu_item::reminders_id, "Enable Voting Reminders",
                   config.get_voting_reminders() != 0});
  return items;
}
