#include "app/command_processor.h"

#include <string>

#include "util/debug_log.h"
#include "util/text_buffer.h"
#include "util/words.h"

namespace {

// Colour attributes of the ANSI display: intensity and the SGR colour number.
const int normal = 0;
const int bright = 1;
const int yellow = 0x33;
const int white = 0x37;

int number_or_zero(const char* text) {
  int value = 0;
  if (!parse_int(text, &value)) return 0;
  return value;
}

const char* const help_screen[] = {
    "\n",
    "\nVClient Control Commands -------------------------------",
    "\n//commands               - this help screen",
    "\n//help                   - show keyboard shortcuts",
    "\n//version                - show client/server versions",
    "\n//break                  - send TTY *break*",
    "\n//history                - show recent client history",
    "\n//ping                   - check/update ping time",
    "\n//debug                  - display/change debug level",
    "\n//debugfile              - change name of debug file",
    "\n//cclear                 - quick clear of channel windows",
    "\n//clear                  - quick clear of all backscroll",
    "\n//quit                   - quick program exit",
    "\n//disconnect             - quick disconnect",
    "\n",
    "\nCommands Used While Disconnected -----------------------",
    "\nconnect <port>           - connect on a specified port",
    "\nquit                     - quick program exit",
    "\n",
};

}  // namespace

void command_processor::send_command(const char* text, bool echo) {
  if (!text) text = "";
  host.note_command_time();
  if (echo && host.local_echo() && !host.password_mode()) local_echo(text);
  if (run_client_command(text)) return;
  if (host.is_connected()) {
    host.send_line(text);
    return;
  }
  disconnected_command(text);
}

void command_processor::local_echo(const char* text) {
  text_output& out = host.main_text();
  bool separated = host.cmd_separator() && text[0] != 0;
  out.reset_colors();
  out.output_text("\n");
  if (separated) out.output_text("\n");
  out.set_colors(bright, yellow);
  out.output_text(">");
  out.set_colors(normal, white);
  out.output_text(text);
  out.set_colors(bright, yellow);
  out.output_text("<");
  if (separated) {
    out.set_colors(bright, white);
    out.output_text("\n-------------------------------------------------------------------------");
  }
  out.reset_colors();
  out.refresh();
}

bool command_processor::run_client_command(const char* text) {
  const char* argument = next_arg(text);
  text_output& out = host.main_text();
  if (word_abbrev(text, "//commands", 3)) {
    show_help_screen();
  } else if (word_abbrev(text, "//help", 3)) {
    host.show_keyboard_help();
  } else if (word_abbrev(text, "//version", 3)) {
    host.show_version();
  } else if (word_abbrev(text, "//break", 3)) {
    host.send_line("\x03");
    out.follow_end();
  } else if (word_abbrev(text, "//history", 3)) {
    host.show_history();
  } else if (word_abbrev(text, "//quit", 6) || word_abbrev(text, "//exit", 6)) {
    host.system_shutdown_handler();
  } else if (word_abbrev(text, "//disconnect", 6)) {
    host.drop_connection("Disconnecting.");
  } else if (word_abbrev(text, "//clear", 4)) {
    host.clear_display();
    out.refresh();
  } else if (word_abbrev(text, "//chanclear", 4) || word_abbrev(text, "//cclear", 4)) {
    host.clear_channel_windows();
    out.refresh();
  } else if ((word_equal(text, "vcping") || word_abbrev(text, "//ping", 3)) && host.is_playing()) {
    host.send_ping();
  } else if (word_abbrev(text, "//echo", 3)) {
    message("\n");
    if (argument) message(argument);
    out.refresh();
  } else if (word_abbrev(text, "//debuglevel", 5)) {
    debug_level_command(argument);
    out.refresh();
  } else if (word_abbrev(text, "//debugfilename", 8)) {
    debug_file_command(argument);
    out.refresh();
  } else if (word_equal(text, "//debugfill")) {
    host.debug_fill();
    out.refresh();
  } else if (word_equal(text, "//icons")) {
    host.process_tagged_data("icons", argument ? argument : "", 1);
    out.refresh();
  } else if (word_equal(text, "//soundtest")) {
    host.process_tagged_data("sound", argument ? argument : "", 1);
    out.refresh();
  } else {
    return false;
  }
  return true;
}

void command_processor::disconnected_command(const char* text) {
  if (word_prefix(text, "connect") || word_abbrev(text, "restart", 2) || word_abbrev(text, "start", 2) ||
      word_abbrev(text, "login", 4)) {
    const char* argument = next_arg(text);
    host.socket_connect(argument ? number_or_zero(argument) : 0);
    return;
  }
  if (word_abbrev(text, "quit", 3) || word_abbrev(text, "exit", 2)) {
    host.system_shutdown_handler();
    return;
  }
  if (debug_level > 2) debug_log("command_processor::send_command() - dropped while disconnected: '%.200s'.\n", text);
}

void command_processor::show_help_screen() {
  host.main_text().reset_colors();
  for (const char* line : help_screen) message(line);
  host.main_text().refresh();
}

void command_processor::show_debug_information() {
  message("\n");
  if (quor_client_debug_logfile_failed()) {
    const char* name = quor_client_get_debug_logfile_name();
    message("\n");
    message("Debug logging is currently DISABLED - unable to open debug file.\n");
    message("The failed filename is:  ");
    message(name ? name : "");
    message("\n");
  } else {
    text_buffer line;
    line.append_format("The current debug level is:     %d\n", debug_level);
    message(line.contents());
    message("The current debug filename is:  ");
    const char* name = quor_client_get_debug_logfile_name();
    if (name) message(name);
  }
  message("\n");
}

void command_processor::debug_level_command(const char* argument) {
  if (!argument) {
    show_debug_information();
    message("\n");
    message("To change the debug level, you must give a number between 0 and 3.\n");
    message("\n");
    return;
  }
  int old_level = debug_level;
  debug_level = number_or_zero(argument);
  text_buffer line;
  line.append_format("Debug level changed from %d to %d.\n", old_level, debug_level);
  message("\n");
  message(line.contents());
  message("\n");
}

void command_processor::debug_file_command(const char* argument) {
  if (!argument) {
    show_debug_information();
    message("You must give a filename to change the debug file.\n");
    message("\n");
    return;
  }
  const char* current = quor_client_get_debug_logfile_name();
  bool had_path = current != nullptr;
  std::string remembered = had_path ? current : "";
  if (quor_client_debug_logfile_is_open()) quor_client_debug_logfile_close();
  quor_client_set_debug_logfile_name(argument);
  quor_client_try_open_debug_logfile();
  if (quor_client_debug_logfile_is_open()) {
    message("Debug logfile changed.\n");
  } else if (!had_path) {
    message("Unable to open logfile.  Please try again with a different name/path.\n");
  } else {
    quor_client_set_debug_logfile_name(remembered.c_str());
    quor_client_try_open_debug_logfile();
    if (quor_client_debug_logfile_is_open())
      message("Unable to open new logfile, old logfile not changed.\n");
    else
      message("Unable to open new logfile, and could not re-open old logfile.  No logfile currently set.\n");
  }
  message("\n");
}
