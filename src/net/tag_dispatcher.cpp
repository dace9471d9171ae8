#include "net/tag_dispatcher.h"

#include <cstring>

#include "util/debug_log.h"
#include "util/text_buffer.h"
#include "util/words.h"

namespace {

tag_dispatcher* active_dispatcher = nullptr;

bool starts_with(const char* text, const char* prefix) { return strncmp(text, prefix, strlen(prefix)) == 0; }

}  // namespace

void set_active_tag_dispatcher(tag_dispatcher* dispatcher) { active_dispatcher = dispatcher; }

tag_dispatcher* active_tag_dispatcher() { return active_dispatcher; }

int button_tag_number(const char* digits) {
  int value = 0;
  for (const char* p = digits; *p >= '0' && *p <= '9'; p++) {
    // Beyond any button number: stop growing rather than overflow.
    if (value > 100000) return value;
    value = value * 10 + (*p - '0');
  }
  return value;
}

tag_dispatcher::tag_dispatcher(tag_handler& handler) : handler(handler), current(&handler.main_display()) {}

void tag_dispatcher::process_tagged_data(const char* name, const char* data, int length) {
  if (!name) name = "";
  if (!data) data = "";
  if (length < 0) length = 0;
  if (!strcmp(name, "login")) {
    login(data);
  } else if (!strcmp(name, "map")) {
    handler.automap_parse_map(data, length);
  } else if (!strcmp(name, "walkfail")) {
    handler.automap_walkfail(data);
  } else if (!strcmp(name, "dirs")) {
    dirs(data);
  } else if (!strcmp(name, "areaname")) {
    handler.automap_set_area_name(data);
  } else if (!strcmp(name, "combat")) {
    handler.automap_set_combat(true);
  } else if (!strcmp(name, "ncombat")) {
    handler.automap_set_combat(false);
    handler.status_display_enemyhp("");
  } else if (!strcmp(name, "uuid")) {
    handler.set_uuid(data);
  } else if (!strcmp(name, "enemyhp")) {
    handler.status_display_enemyhp(data);
  } else if (!strcmp(name, "group")) {
    handler.group_parse_update_line(data);
  } else if (!strcmp(name, "xpp")) {
    handler.status_display_xpp(data);
  } else if (!strcmp(name, "event")) {
    event(data);
  } else if (!strcmp(name, "hp")) {
    handler.status_display_hp(data);
  } else if (!strcmp(name, "sound")) {
    if (setting(tag_setting::system_audio_enable)) handler.soundpack_parse_audio_tag(data);
  } else if (!strcmp(name, "bclear")) {
    handler.hint_buttons_blank_all();
  } else if (!strcmp(name, "window_create")) {
    handler.popup_create_window(data);
  } else if (!strcmp(name, "append")) {
    divert(data, false);
  } else if (!strcmp(name, "unappend")) {
    unappend();
  } else if (!strcmp(name, "chdiv")) {
    channel_divert(data);
  } else if (!strcmp(name, "chudiv")) {
    channel_undivert();
  } else if (!strcmp(name, "divert")) {
    divert(data, true);
  } else if (!strcmp(name, "undivert")) {
    undivert();
  } else if (!strcmp(name, "config")) {
    handler.config_command(data);
  } else if (!strcmp(name, "skystate")) {
    handler.status_bar_update_sky_display(data);
  } else if (!strcmp(name, "icons")) {
    handler.status_bar_set_icons(data);
  } else if (starts_with(name, "votemenu")) {
    vote_menu(name + 8, data);
  } else if (starts_with(name, "bf") && button_tag_number(name + 2) > 0) {
    handler.fkey_setup_button(name, data);
  } else if (name[0] == 'b' && button_tag_number(name + 1) > 0) {
    handler.hint_buttons_setup_button(name, data);
  } else if (debug_level > 1) {
    debug_log("Warning in quor_mw::process_tagged_data(), no handler for tag '%s'.\n", name);
  }
}

void tag_dispatcher::login(const char* data) {
  if (*data) {
    text_buffer name;
    name.set_first_line(data);
    if (name.is_empty()) {
      if (debug_level > 1) debug_log("Warning in quor_mw::process_tagged_data(), login without a name.\n");
    } else {
      text_buffer title;
      title.append("Vandrel - Player ");
      title.append(name.contents());
      handler.set_title(title.contents());
      handler.select_char_config(name.contents());
    }
  }
  handler.set_login_time_now();
  handler.set_login_state(login_playing);
  handler.select_history(2);
  handler.automap_apply_visibility();
  handler.fkey_set_label_shown(true);
  bool hp = setting(tag_setting::hpbar_enable);
  bool exp = setting(tag_setting::exp_display);
  bool enemy = setting(tag_setting::enemy_hpbar_enable);
  handler.status_bar_show(setting(tag_setting::status_bar));
  handler.sky_bar_show(setting(tag_setting::sky_bar));
  handler.status_display_show(hp || exp || enemy);
  handler.status_display_set_show_flags(enemy, exp, hp);
  handler.set_password_mode(false);
  handler.relayout();
  handler.request_status_report();
}

void tag_dispatcher::dirs(const char* data) {
  if (word_equal(data, "on")) {
    handler.direction_buttons_enable_all(true);
  } else if (word_equal(data, "off")) {
    handler.direction_buttons_enable_all(false);
  } else if (debug_level > 1) {
    debug_log("Warning in quor_mw::process_tagged_data(), bad dirs string '%s'.\n", data);
  }
  const char* exits = next_arg(data);
  if (!exits) return;
  // Two letters from 'A': five bits each. Anything else is no exit mask at all.
  bool letters = true;
  for (int i = 0; i < 2; i++) letters = letters && exits[i] >= 'A' && exits[i] < 'A' + 32;
  if (!letters) {
    if (debug_level > 1) debug_log("Warning in quor_mw::process_tagged_data(), bad dirs string '%s'.\n", data);
    return;
  }
  int mask = (exits[0] - 'A') * 32 + (exits[1] - 'A');
  handler.direction_buttons_set_exits(mask);
  handler.automap_set_exits(mask);
}

void tag_dispatcher::event(const char* data) {
  if (word_equal(data, "colorflash")) {
    if (setting(tag_setting::colorflash_enable)) {
      const char* rest = next_arg(data);
      current->start_color_flash(rest ? rest : "");
    }
  } else if (!strcmp(data, "vcpong")) {
    long long elapsed = handler.ping_elapsed_ms();
    if (elapsed < 0) elapsed = 0;
    if (elapsed > 2147483647LL) elapsed = 2147483647LL;
    handler.status_bar_add_ping_sample((int)elapsed);
  } else if (!strcmp(data, "newcreate")) {
    handler.set_login_state(login_creating);
  } else if (!strcmp(data, "logoff")) {
    handler.set_login_state(login_logging_off);
  } else if (debug_level > 1) {
    debug_log("Warning in quor_mw::process_tagged_data(), got unhandled event '%s'.\n", data);
  }
}

void tag_dispatcher::switch_output(redirect_display& display) {
  if (frozen && frozen != &display) {
    // Its text would otherwise stay invisible until some later "undivert".
    frozen->resume_updates();
    frozen = nullptr;
  }
  current = &display;
  handler.set_current_output(display);
}

void tag_dispatcher::divert(const char* name, bool freeze) {
  redirect_display* popup = handler.popup_find_display(name);
  if (!popup) {
    switch_output(handler.main_display());
    text_output& main = handler.main_display().output();
    main.reset_colors();
    main.output_text("\n");
    main.output_text("Sorry, no popup window by that name has been defined.\n");
    main.output_text("\n");
    main.refresh();
    return;
  }
  switch_output(*popup);
  if (!freeze) return;
  popup->suspend_updates();
  popup->clear_display();
  frozen = popup;
}

void tag_dispatcher::undivert() {
  redirect_display* display = current;
  display->output().refresh();
  saved_scroll_position = display->get_scroll_position();
  display->resume_updates();
  display->set_scroll_position(saved_scroll_position);
  if (frozen == display) frozen = nullptr;
  switch_output(handler.main_display());
}

void tag_dispatcher::unappend() {
  current->output().refresh();
  current->view_end();
  switch_output(handler.main_display());
}

void tag_dispatcher::channel_divert(const char* name) {
  handler.channel_set_divert_channel(name);
  channel_diverted = true;
  handler.set_channel_diversion(true);
}

void tag_dispatcher::channel_undivert() {
  handler.channel_clear_divert_channel();
  channel_diverted = false;
  handler.set_channel_diversion(false);
}

void tag_dispatcher::vote_menu(const char* suffix, const char* data) {
  handler.setup_vote_menu(suffix, data);
  handler.rebuild_vote_menu();
}

void tag_dispatcher::reset_redirection() {
  current = &handler.main_display();
  frozen = nullptr;
  channel_diverted = false;
  handler.set_current_output(*current);
  handler.set_channel_diversion(false);
}
