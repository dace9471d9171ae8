#include "display/url_opening.h"

#include "util/browser.h"

namespace {
url_open_handler installed_handler = nullptr;
void* installed_context = nullptr;
}  // namespace

void set_url_open_handler(url_open_handler handler, void* context) {
  installed_handler = handler;
  installed_context = context;
}

void open_clicked_url(const char* url) {
  if (installed_handler)
    installed_handler(url, installed_context);
  else
    launch_browser(url);
}
