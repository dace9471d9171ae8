#include "display/compiled_images.h"

#include "compiled_images_data.h"

namespace {

const compiled_image images[compiled_image_count] = {
    {"logo", logo_png, sizeof logo_png, 192, 43},
    {"padlock", padlock_png, sizeof padlock_png, 21, 21},
    {"status icon 0", icon_nosword_png, sizeof icon_nosword_png, 17, 17},
    {"status icon 1", icon_zzz_png, sizeof icon_zzz_png, 17, 17},
    {"status icon 2", icon_hand_red_png, sizeof icon_hand_red_png, 17, 17},
    {"status icon 3", icon_hand_blue_png, sizeof icon_hand_blue_png, 17, 17},
    {"status icon 4", icon_hand_green_png, sizeof icon_hand_green_png, 17, 17},
};

}  // namespace

const compiled_image& compiled_image_data(compiled_image_id id) { return images[id]; }
