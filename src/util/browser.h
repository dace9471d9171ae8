#pragma once

// Starts firefox on the URL, passed as one argument without any shell.
// True when the program could be started; never waits for it to finish.
bool launch_browser(const char* url);
// Test seam: the program to start instead of "firefox" (looked up on PATH).
void launch_browser_set_program(const char* program);
