// What an ANSI text display does with text, without its window: the byte parser with its
// colour state, the record of coloured runs in arrival order (for replay and export),
// suspension, and the assembly of received lines.
#pragma once

#include <cstdint>

#include "display/quor_rgb.h"
#include "display/text_arena.h"
#include "display/text_scroll.h"
#include "display/text_store.h"

class quor_random;

class ansi_text_model {
 public:
  enum { collect_size = 256, line_limit = 5999 };
  enum { state_text = 1, state_escape = 2 };
  enum { attribute_normal = 0, attribute_blink = 2, attribute_bright = 4, attribute_dim = 8, attribute_reverse = 16 };

  ansi_text_model(text_store& store, text_scroll& scroll);
  virtual ~ansi_text_model() = default;
  ansi_text_model(const ansi_text_model&) = delete;
  ansi_text_model& operator=(const ansi_text_model&) = delete;

  void display_socket_data(const char* bytes, int length);
  void output_text(const char* text);
  virtual void output_text(const char* text, int length);
  // A complete received line without its newline.
  virtual void line_received(const char* line) { (void)line; }
  bool has_partial_line() const { return line_length > 0; }
  void flush_partial_line();

  void process_ansi_code(int value, int final_byte);
  void process_ansi_color();
  void set_colors(int a, int b);
  void reset_colors();
  void suspend_updates() { suspended = true; }
  // False (and a log line) when updates were not suspended.
  bool resume_updates();
  bool is_suspended() const { return suspended; }
  void rerender();
  void clear_display();
  void set_wrapping(bool on);
  // After a font change: the store has rewrapped; the colour is applied again.
  void reapply_color();
  // Reads and clears the flag that received text arrived since the last call.
  bool take_new_text();

  struct fill_figures {
    long characters;
  };
  // The stress fill: 100000 random lines straight into the store.
  fill_figures debug_fill(quor_random& random);

  // The run record, oldest first; the pending run is not included until it is closed.
  struct render_record {
    const char* text;
    int length;
    quor_rgb color;
    int attributes;
    int color_index;
  };
  size_t render_record_count() const { return records.size(); }
  render_record get_render_record(size_t n) const;
  static int render_record_size() { return (int)sizeof(record); }

  int attributes() const { return attribute_flags; }
  int color_index() const { return index; }
  int parser_state() const { return state; }

 private:
  struct record {
    uint32_t start;  // in the run arena; the text runs up to the next record's start
    uint32_t meta;   // 0xRRGGBB, attribute code << 24, color index code << 27
  };
  struct run_color {
    int attributes = 0;
    int index = 0;
    uint32_t rgb = 0;
  };

  void flush_collected(char* collected, int* count);
  void single_character_escape(int byte);
  void record_run(const char* text, int length);
  void rerender_flush();
  void assemble_lines(const char* text, int length);
  void deliver_line();
  void push_colors_to_store(uint32_t rgb, int attributes);
  void replay(const render_record& run);
  bool pending() const { return run_text.size() > pending_start; }

  text_store& store;
  text_scroll& scroll;

  char line_buffer[line_limit + 1];
  int line_length = 0;
  bool new_text = false;
  int state = state_text;
  int bracket_seen = 0;
  int parameter = 0;
  int attribute_flags = 0;
  int last_attributes = 0;
  int index = 0;
  int last_index = 0;
  bool suspended = false;

  byte_arena run_text;
  block_array<record> records;
  uint32_t pending_start = 0;
  run_color current;
  run_color newest;
};

// Set while any display delivers a line, so text printed by the receiver is not fed back.
extern bool line_received_in_progress;
