// Where a link clicked in a text window goes. The main frame installs its handler so the
// browser starts from its tick, not inside the click.
#pragma once

typedef void (*url_open_handler)(const char* url, void* context);

void set_url_open_handler(url_open_handler handler, void* context);
// Hands the address to the installed handler; without one (a window outside the main
// frame, as in tests) the browser is started at once.
void open_clicked_url(const char* url);
