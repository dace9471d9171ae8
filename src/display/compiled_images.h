// The PNG images built into the program: the logo, the padlock and the five status icons.
#pragma once

#include <cstddef>

enum compiled_image_id {
  image_logo,
  image_padlock,
  image_status_nosword,
  image_status_zzz,
  image_status_hand_red,
  image_status_hand_blue,
  image_status_hand_green,
  compiled_image_count
};

struct compiled_image {
  const char* name;
  const unsigned char* png;
  size_t size;
  int width;  // the size the artwork is made for
  int height;
};

const compiled_image& compiled_image_data(compiled_image_id id);
