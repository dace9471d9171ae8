// Splitting and matching of blank-separated words (commands, tag payloads, settings).
// A word ends at a space, tab, newline or the end of the string.
#pragma once

inline bool is_word_separator(char c) { return c == ' ' || c == '\t' || c == '\n'; }

const char* next_arg(const char* s);
const char* last_arg(const char* s);
bool parse_int(const char* s, int* out);
bool word_equal(const char* a, const char* b);
int word_abbrev(const char* input, const char* keyword, int minimum);
int word_prefix(const char* input, const char* keyword);
bool word_in_list(const char* word, const char* list);
