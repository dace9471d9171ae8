#include "app/pending_actions.h"

#include <cstring>

#include "util/browser.h"
#include "util/debug_log.h"

void pending_url::open_url(const char* url) {
  if (!url) return;
  // Addresses come from server text: cut, never overflow.
  strncpy(address, url, sizeof address - 1);
  address[sizeof address - 1] = 0;
  if (debug_level > 1) debug_log("open_url() - '%s'.\n", address);
  waiting = true;
}

bool pending_url::take(std::string& url) {
  if (!waiting) return false;
  waiting = false;
  url = address;
  return true;
}

bool start_browser_with_fallback(const char* url, pending_message& message) {
  if (launch_browser(url)) return true;
  message.append("\n");
  message.append("\n");
  message.append("Sorry, but I can't seem invoke the FireFox browser.  This is the only browser I currently trust.\n");
  message.append("You can try to get to the link manually by going to:\n");
  message.append("\n");
  message.append(url);
  message.append("\n");
  message.append("\n");
  return false;
}
