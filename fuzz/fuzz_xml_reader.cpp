// Feeds arbitrary bytes to the XML reader directly and through the configuration loader.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "config/quor_xml_reader.h"
#include "config/vconfig.h"
#include "util/debug_log.h"

namespace {

class memory_reader : public quor_xml_reader {
 public:
  memory_reader(const uint8_t* data, size_t size) : data(data), size(size) {}
  int read_char() override { return at < size ? data[at++] : -1; }
  bool at_end() const { return at >= size; }

 private:
  const uint8_t* data;
  size_t size;
  size_t at = 0;
};

// The first byte picks the order of reader calls so that every operation meets every state.
void drive_reader(const uint8_t* data, size_t size) {
  if (size == 0) return;
  uint8_t plan = data[0];
  memory_reader reader(data + 1, size - 1);
  std::string first_line;
  for (size_t i = 1; i < size && data[i] != '\n' && first_line.size() < 10000; i++) first_line += (char)data[i];
  reader.check_xml_header_string(first_line.c_str());
  char tag[64];
  char text[16];
  int number = 0;
  // Every call either consumes input or meets the end, so the bound is never what stops a sane run.
  for (size_t step = 0; step < 4 * size + 16 && !reader.at_end(); step++) {
    switch ((plan >> (step % 4 * 2)) & 3) {
      case 0:
        reader.read_tag(tag, sizeof tag);
        break;
      case 1:
        reader.read_data(text, sizeof text);
        break;
      case 2:
        reader.read_data(&number);
        break;
      case 3:
        if (reader.read_tag(tag, sizeof tag)) reader.skip_data();
        break;
    }
  }
}

void drive_loader(const uint8_t* data, size_t size) {
  VConfig config{std::string()};
  {
    memory_reader reader(data, size);
    config.read_system_config(reader);
  }
  {
    memory_reader reader(data, size);
    config.read_char_config_file(reader, "Bob");
  }
  config.select_char_config("Bob");
  config.get_popup_geometry("who");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Every log path is formatted, but the text goes nowhere.
  if (!freopen("/dev/null", "w", stdout)) return 0;
  debug_level = 3;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  drive_reader(data, size);
  drive_loader(data, size);
  return 0;
}
