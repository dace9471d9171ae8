#include "app/quor_app.h"

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <vector>
#include <wx/display.h>

#include "app/app_globals.h"
#include "app/command_line.h"
#include "app/quor_mw.h"
#include "config/toolkit_fonts.h"
#include "config/vconfig.h"
#include "display/quor_font.h"
#include "display/quor_images.h"
#include "display/theme_settings.h"
#include "net/tls_context.h"
#include "util/debug_log.h"
#include "util/random.h"

quor_font* text_font = nullptr;
quor_font* button_font = nullptr;
quor_font* large_button_font = nullptr;
display_size screen_size = {640, 480};
quor_mw* main_frame = nullptr;

namespace {

void boot_failed(const char* message) {
  if (debug_level > 0) debug_log("%s", message);
  exit(1);
}

void create_fonts() {
  // The text font starts at the default size 8; the loaded configuration re-applies the character's font.
  text_font = new quor_font(8, wxFONTFAMILY_MODERN, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
  button_font = new quor_font(6, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
  large_button_font = new quor_font(8, wxFONTFAMILY_TELETYPE, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL);
}

void read_display_size(wxWindow* frame) {
  int index = wxDisplay::GetFromWindow(frame);
  wxDisplay display(index == wxNOT_FOUND ? 0u : (unsigned)index);
  wxRect area = display.GetClientArea();
  screen_size.width = area.GetWidth();
  screen_size.height = area.GetHeight();
  if (screen_size.width < 1) {
    if (debug_level > 0)
      debug_log("Error in OnInit(), got bogus screen/display xsize of %d.  Setting to 640.\n", screen_size.width);
    screen_size.width = 640;
  }
  if (screen_size.height < 1) {
    if (debug_level > 0)
      debug_log("Error in OnInit(), got bogus screen/display ysize of %d.  Setting to 480.\n", screen_size.height);
    screen_size.height = 480;
  }
  if (debug_level > 1) debug_log("OnInit(), got screen/display size of %d, %d.\n", screen_size.width, screen_size.height);
}

}  // namespace

bool quor_app::OnInit() {
  quor_client_set_autoopen_debug_logfile_name("vandrel_vclient.txt");
  if (debug_level > 1) debug_log("--------------------------- BOOT START --------------------------\n");

  // Writes to a socket the peer closed must fail with an error, not end the process.
  signal(SIGPIPE, SIG_IGN);

  if (!init_ssl()) boot_failed("Boot failed, SSL startup is broken.\n");

  if (!quor_client_set_up_config_directory("Vandrel"))
    boot_failed("Boot failed, unable to get at system config directory.\n");

  general_random.random_seed((uint32_t)time(nullptr));

  // The theme colour tables are constants; the compiled-in images are decoded once, here.
  load_compiled_images();

  create_fonts();

  VConfig::instance().set_font_bridge(toolkit_font_bridge());
  load_system_config();

  // The arguments are bytes to us; keep the converted buffers alive while reading them.
  std::vector<wxCharBuffer> converted;
  std::vector<const char*> arguments;
  for (int i = 0; i < argc; i++) converted.push_back(argv[i].mb_str());
  for (const wxCharBuffer& buffer : converted) arguments.push_back(buffer.data());
  read_command_line((int)arguments.size(), arguments.data());

  select_themes_from_settings();

  main_frame = new quor_mw("Vandrel", wxDefaultPosition, wxSize(984, 728));
  main_frame->Show(true);
  SetTopWindow(main_frame);

  read_display_size(main_frame);
  return true;
}

int quor_app::OnExit() {
  if (debug_level > 1) debug_log("--------------------------- PROGRAM EXIT --------------------------\n");
  return 0;
}
