// Received bytes through the ANSI parser into a wrapping store, split into calls at places
// the input chooses, then replayed; every line must stay readable.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "display/ansi_text_model.h"
#include "display/text_pointer.h"
#include "util/debug_log.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  debug_level = 0;
  if (size < 3) return 0;
  text_store store;
  int widths[256];
  for (int i = 0; i < 256; i++) widths[i] = 1 + (i * 7) % 9;
  store.set_char_widths(widths, 1 + data[0] % 16);
  store.set_window_size(data[1], 40);
  text_scroll_hooks hooks;
  text_scroll scroll(store, hooks);
  ansi_text_model model(store, scroll);
  size_t step = 1 + data[2] % 64;
  data += 3;
  size -= 3;
  for (size_t at = 0; at < size; at += step) {
    size_t n = size - at < step ? size - at : step;
    model.display_socket_data(reinterpret_cast<const char*>(data + at), (int)n);
    if (data[at] == 0xfe) model.suspend_updates();
    if (data[at] == 0xfd && model.is_suspended()) model.resume_updates();
  }
  if (model.is_suspended()) model.resume_updates();
  model.rerender();
  store.set_window_size(store.window_width() / 2 + 1, 40);

  text_pointer_hooks pointer_hooks;
  text_pointer pointer(store, pointer_hooks);
  for (int n = 0; n <= store.line_count(); n++) {
    text_line line;
    if (!store.get_line(n, &line)) __builtin_trap();
    int total = 0;
    store.for_each_piece(line, [&](const char*, int length, quor_rgb) { total += length; });
    if (total != line.length) __builtin_trap();
    if (line.length) pointer.url_clicked_on(n, line.length / 2);
  }
  return 0;
}
