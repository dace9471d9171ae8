// The four font-colour schemes of the ANSI display: 24 colours each, 0xRRGGBB.
#pragma once

#include <cstdint>

// Entries: for each of white, red, yellow, green, cyan, blue, purple and the default colour,
// dim, normal and bright in that order (the default colour is entries 21-23).
typedef uint32_t ansi_palette[24];

enum { ansi_scheme_default, ansi_scheme_bright, ansi_scheme_zmud, ansi_scheme_gmud, ansi_scheme_count };

extern const ansi_palette ansi_palettes[ansi_scheme_count];
extern const char* const ansi_scheme_names[ansi_scheme_count];

// The palette new colours are taken from; text already shown keeps its colour.
extern const uint32_t* current_ansi_palette;
// Out-of-range schemes fall back to the default one.
void set_ansi_scheme(int scheme);
