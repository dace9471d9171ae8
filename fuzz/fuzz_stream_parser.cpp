// The game server's byte stream, split into reads where the input says, through the parser.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "net/stream_parser.h"
#include "util/debug_log.h"

namespace {

class checking_sink : public stream_sink {
 public:
  void text_run(const char* data, int length) override {
    if (length < 1 || length > quor_stream_parser::text_run_size) abort();
    volatile char first = data[0], last = data[length - 1];
    (void)first;
    (void)last;
  }
  void tag(const char* name, const char* data, int length) override {
    if (strlen(name) >= (size_t)quor_stream_parser::name_size) abort();
    if (length < 0 || length >= quor_stream_parser::data_size || data[length] != 0) abort();
  }
  void bell() override {}
  void echo(bool) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // First byte: whether the warnings are written; second: the read size pattern.
  debug_level = (data[0] & 1) ? 3 : 0;
  size_t step = (size_t)data[1] + 1;
  data += 2;
  size -= 2;
  quor_stream_parser parser;
  checking_sink sink;
  for (size_t at = 0; at < size; at += step) {
    size_t n = size - at < step ? size - at : step;
    parser.process_socket_data((const char*)data + at, (int)n, sink);
  }
  return 0;
}
