#include "app/command_line.h"

#include <cstring>

#include "util/debug_log.h"

char launcher_version[257] = "";

namespace {

void set_launcher_version(const char* text) {
  // Longer texts are cut, not refused: the launcher's version is informational.
  strncpy(launcher_version, text, sizeof launcher_version - 1);
  launcher_version[sizeof launcher_version - 1] = 0;
}

}  // namespace

void read_command_line(int argc, const char* const* argv) {
  bool next_is_version = false;
  for (int i = 0; i < argc; i++) {
    const char* arg = argv[i] ? argv[i] : "";
    const char* format;
    if (i == 0) {
      format = "DEBUG - Command line executable name:  %s\n";
    } else if (next_is_version) {
      set_launcher_version(arg);
      next_is_version = false;
      format = "DEBUG - Command line launcher version: %s\n";
    } else if (strcmp(arg, "-l") == 0) {
      next_is_version = true;
      format = "DEBUG - Command line launcher flag:    %s\n";
    } else if (strcmp(arg, "-n") == 0) {
      set_launcher_version("(old style launcher)");
      format = "DEBUG - Command line old launcher:     %s\n";
    } else {
      format = "DEBUG - Unknown command line arg:      %s\n";
    }
    if (debug_level > 1) debug_log(format, arg);
  }
}
