// A text display that records what the commands do to it.
#pragma once

#include <string>
#include <vector>

#include "display/text_output.h"

class recording_text_output : public text_output {
 public:
  void display_socket_data(const char* data, int length) override { shown.append(data, (size_t)length); }
  void output_text(const char* text) override {
    shown += text;
    steps.push_back(std::string("text:") + text);
  }
  void set_colors(int attributes, int color) override {
    steps.push_back("colors:" + std::to_string(attributes) + "," + std::to_string(color));
  }
  void reset_colors() override { steps.push_back("reset"); }
  void follow_end() override { steps.push_back("follow"); }
  void refresh() override { steps.push_back("refresh"); }
  bool has_partial_line() const override { return false; }
  void flush_partial_line() override {}

  void clear() {
    shown.clear();
    steps.clear();
  }

  std::string shown;
  std::vector<std::string> steps;
};
