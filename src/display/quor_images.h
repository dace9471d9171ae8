// The compiled-in images, decoded once at start-up.
#pragma once

#include "display/compiled_images.h"

class quor_bitmap;

// Registers the toolkit's PNG reader and decodes every image; false if any failed (logged).
bool load_compiled_images();
// The decoded image, or null when it could not be decoded.
const quor_bitmap* compiled_bitmap(compiled_image_id id);
