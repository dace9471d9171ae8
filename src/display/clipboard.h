// The X11 PRIMARY selection (select to copy, middle-click to paste), through the toolkit.
#pragma once

#include <string>

void set_clipboard_data(const std::string& text);
bool get_clipboard_data(std::string* text);
