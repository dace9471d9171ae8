// The panels the server's tags and the config commands drive, owned by the main frame.
#pragma once

#include "panels/quor_automap_display.h"
#include "panels/quor_channel_window.h"
#include "panels/quor_direction_buttons.h"
#include "panels/quor_fkey_manager.h"
#include "panels/quor_group_display.h"
#include "panels/quor_hint_buttons.h"
#include "panels/quor_popup_manager.h"
#include "panels/quor_soundpack.h"
#include "panels/quor_status_bar.h"
#include "panels/quor_status_display.h"

struct quor_panels {
  quor_status_bar status_bar;
  quor_status_display status_display;
  quor_group_display group_display;
  quor_automap_display automap;
  quor_channel_window channel_window;
  quor_popup_manager popups;
  quor_hint_buttons hint_buttons;
  quor_fkey_manager fkeys;
  quor_direction_buttons direction_buttons;
  quor_soundpack soundpack;
};
