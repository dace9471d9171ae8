// The client's command line: "-l <launcher version>", "-n" for an old launcher.
#pragma once

// Room for 256 characters and the terminator.
extern char launcher_version[257];

void read_command_line(int argc, const char* const* argv);
