// Draws the visible lines of a text window into pixel memory: bottom-up from the view line
// (the partly visible top line included) or top-down, with the selection highlighted.
#pragma once

#include "display/glyph_table.h"
#include "display/pixel_view.h"
#include "display/text_pointer.h"
#include "display/text_store.h"

// The background behind selected characters.
inline constexpr quor_rgb selection_background(64, 64, 64);

// Locks the store while it reads the lines.
void paint_text_view(text_store& store, const text_selection& selection, const glyph_table& font,
                     const pixel_view& view);
