// Finds a web link around a clicked character of one display line.
#pragma once

// True when text[index] lies inside a link; *first and *last are its inclusive ends
// (trailing punctuation and unmatched brackets trimmed). Mail addresses are not links.
bool find_link(const char* text, int length, int index, int* first, int* last);
