#include "util/browser.h"

#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

#include "util/debug_log.h"
#include "util/threads.h"

extern char** environ;

namespace {

std::string browser_program = "firefox";

// The browser outlives the call; a detached thread reaps it so no zombie stays.
void reap_child(void* argument) {
  pid_t pid = (pid_t)(intptr_t)argument;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace

void launch_browser_set_program(const char* program) { browser_program = program ? program : "firefox"; }

bool launch_browser(const char* url) {
  if (!url) return false;
  std::string program = browser_program;
  std::string argument = url;
  char* argv[] = {&program[0], &argument[0], nullptr};
  pid_t pid = 0;
  int rc = posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ);
  if (rc != 0) {
    if (debug_level > 1) debug_log("Error in launch_browser(), unable to start '%s': %s\n", program.c_str(), strerror(rc));
    return false;
  }
  if (!quor_thread_create("browser reaper", reap_child, (void*)(intptr_t)pid)) {
    // Without a reaper the child becomes a zombie until exit; the browser still runs.
    if (debug_level > 1) debug_log("Warning in launch_browser(), no reaper thread for pid %d.\n", (int)pid);
  }
  return true;
}
