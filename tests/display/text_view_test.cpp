// Scrolling, hit testing, selection, links and the mouse of a text window.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "display/ansi_text_model.h"
#include "display/text_pointer.h"
#include "display/text_scroll.h"
#include "display/text_test_support.h"
#include "support/log_capture.h"
#include "util/debug_log.h"

namespace {

// Routes the pointer's requests to the scroll model, as the display does.
struct view_hooks : text_scroll_hooks, text_pointer_hooks {
  text_scroll* scroll = nullptr;
  std::vector<std::string> clipboard_writes;
  std::vector<std::string> opened;
  bool hotlinking = true;
  int status_redraws = 0;
  int captures = 0;
  int drag_animations = 0;

  void hold_view() override { scroll->hold_view(); }
  void follow_end() override { scroll->follow_end(); }
  void scroll_up(int n) override { scroll->scroll_up(n); }
  void scroll_down(int n) override { scroll->scroll_down(n); }
  void redraw_status_bar() override { status_redraws++; }
  void capture_mouse() override { captures++; }
  void release_mouse() override { captures--; }
  void start_drag_animation() override { drag_animations++; }
  bool url_hotlinking() const override { return hotlinking; }
  void open_url(const char* url) override { opened.push_back(url); }
  void set_clipboard_data(const std::string& text) override { clipboard_writes.push_back(text); }
};

struct view_fixture : ::testing::Test {
  text_store store;
  view_hooks hooks;
  text_scroll scroll{store, hooks};
  text_pointer pointer{store, hooks};
  void SetUp() override {
    debug_level = 3;
    hooks.scroll = &scroll;
    set_fixed_widths(store, 10, 10);
    store.set_window_size(100, 50);  // 5 visible lines
  }
  void fill(int lines) {
    for (int i = 0; i < lines; i++) store.append_text(("l" + std::to_string(i) + "\n").c_str());
    scroll.position_at_end();
  }
  // Pixel y of a line in the bottom-up view.
  int y_of(int line) const { return store.window_height() - store.line_height() + (line - store.view_line) * 10 + 1; }
  static text_mouse_event event(text_mouse_event::kind_type kind, int x, int y, bool left) {
    text_mouse_event e;
    e.kind = kind;
    e.x = x;
    e.y = y;
    e.left_is_down = left;
    return e;
  }
  void drag(int x1, int y1, int x2, int y2) {
    pointer.mouse_event(event(text_mouse_event::left_down, x1, y1, true));
    pointer.mouse_event(event(text_mouse_event::motion, x2, y2, true));
    pointer.mouse_event(event(text_mouse_event::left_up, x2, y2, false));
  }
};

TEST_F(view_fixture, VisibleLineCountHasAFloorAndAFallback) {
  EXPECT_EQ(get_visible_line_count(store), 5);
  store.set_window_size(100, 3);
  EXPECT_EQ(get_visible_line_count(store), 1);
  text_store no_font;
  log_capture log;
  EXPECT_EQ(get_visible_line_count(no_font), 20);
  EXPECT_TRUE(log.contains("get_visible_line_count(), font height 0."));
}

TEST_F(view_fixture, ScrollingStopsAtBothEndsAndFollowsAtTheBottom) {
  fill(30);
  EXPECT_EQ(store.view_line, 30);
  hooks.hold_view();
  EXPECT_FALSE(scroll.following);
  EXPECT_TRUE(store.hold);
  scroll.scroll_up(100);  // at most half the visible lines
  EXPECT_EQ(scroll.view_position, 28);
  for (int i = 0; i < 50; i++) scroll.page_up();
  EXPECT_EQ(scroll.view_position, 4);  // the top line stays in view
  store.append_text("more\n");
  EXPECT_EQ(store.view_line, 4);  // held: new text does not move the view
  for (int i = 0; i < 50 && !scroll.following; i++) scroll.page_down();
  EXPECT_TRUE(scroll.following);
  EXPECT_FALSE(store.hold);
  EXPECT_EQ(store.view_line, 31);
}

TEST_F(view_fixture, ScrollInfoFollowsTheViewDirection) {
  fill(30);
  int position, range, thumb;
  scroll_info(store, &position, &range, &thumb);
  EXPECT_EQ(thumb, 5);
  EXPECT_EQ(position, 25);
  EXPECT_EQ(range, 30);
  store.top_down = true;
  scroll.position_at_end();
  scroll_info(store, &position, &range, &thumb);
  EXPECT_EQ(position, 26);
  EXPECT_EQ(range, 36);
}

TEST_F(view_fixture, ScrollbarMovesHoldOrFollow) {
  fill(30);
  scroll.scrollbar_moved(10);
  EXPECT_EQ(store.view_line, 15);
  EXPECT_FALSE(scroll.following);
  scroll.scrollbar_moved(25);
  EXPECT_TRUE(scroll.following);
  scroll.never_hold = true;
  scroll.scrollbar_moved(3);
  EXPECT_TRUE(scroll.following);
}

TEST_F(view_fixture, WheelHoldsAndRightClickFollows) {
  fill(30);
  text_mouse_event wheel;
  wheel.kind = text_mouse_event::wheel;
  wheel.wheel_rotation = 120;
  pointer.mouse_event(wheel);
  EXPECT_FALSE(scroll.following);
  EXPECT_EQ(scroll.view_position, 28);
  wheel.wheel_rotation = 60;  // half a notch: nothing yet
  pointer.mouse_event(wheel);
  EXPECT_EQ(scroll.view_position, 28);
  wheel.wheel_rotation = -180;
  pointer.mouse_event(wheel);
  EXPECT_EQ(scroll.view_position, 30);
  EXPECT_TRUE(scroll.following);
  hooks.hold_view();
  text_mouse_event right;
  right.kind = text_mouse_event::right_down;
  right.right_is_down = true;
  pointer.mouse_event(right);
  EXPECT_TRUE(scroll.following);
}

TEST_F(view_fixture, HitTestFindsLineAndOffset) {
  fill(30);
  // The bottom line is the open, empty line 30; the one above it is "l29".
  text_position p = translate_xy_to_line_and_offset(store, 15, y_of(29));
  EXPECT_EQ(p.line, 29);
  EXPECT_EQ(p.offset, 1);
  p = translate_xy_to_line_and_offset(store, 10, y_of(29));
  EXPECT_EQ(p.offset, 0);  // right edge of the first character reaches x
  p = translate_xy_to_line_and_offset(store, 500, y_of(28));
  EXPECT_EQ(p.offset, 3);  // past the end
  p = translate_xy_to_line_and_offset(store, 0, -1000);
  EXPECT_EQ(p.line, 0);
}

TEST_F(view_fixture, AClickWithoutMovementCopiesNothing) {
  store.append_text("hello world\n");
  pointer.mouse_event(event(text_mouse_event::left_down, 20, y_of(0), true));
  pointer.mouse_event(event(text_mouse_event::left_up, 20, y_of(0), false));
  EXPECT_FALSE(pointer.selection.active);
  EXPECT_TRUE(hooks.clipboard_writes.empty());
  EXPECT_EQ(hooks.captures, 0);
}

TEST_F(view_fixture, EveryDragMovementReplacesTheClipboard) {
  store.append_text("hello world\n");
  pointer.mouse_event(event(text_mouse_event::left_down, 5, y_of(0), true));
  pointer.mouse_event(event(text_mouse_event::motion, 25, y_of(0), true));
  pointer.mouse_event(event(text_mouse_event::motion, 45, y_of(0), true));
  pointer.mouse_event(event(text_mouse_event::left_up, 45, y_of(0), false));
  EXPECT_EQ(hooks.clipboard_writes, (std::vector<std::string>{"hel", "hello", "hello"}));
  EXPECT_TRUE(pointer.selection.active);
  EXPECT_FALSE(scroll.following);  // selecting holds the view
}

TEST_F(view_fixture, SelectionJoinsWrappedLinesAndKeepsHardNewlines) {
  store.set_window_size(100, 100);
  store.append_text("aaaa bbbb cccc\nsecond line\n");
  // Display lines: "aaaa ", "bbbb cccc", "second ", "line", "".
  pointer.selection.anchor = text_position{0, 2};
  pointer.selection.cursor = text_position{2, 2};
  pointer.selection.active = true;
  pointer.finish_selection();
  ASSERT_EQ(hooks.clipboard_writes.size(), 1u);
  EXPECT_EQ(hooks.clipboard_writes[0], "aa bbbb cccc\nsec");
  // Backwards drags order the ends.
  pointer.selection.anchor = text_position{1, 6};
  pointer.selection.cursor = text_position{1, 0};
  pointer.finish_selection();
  EXPECT_EQ(hooks.clipboard_writes.back(), "bbbb cc");
}

TEST_F(view_fixture, AMissingLineAbandonsTheCopy) {
  store.append_text("x\n");
  pointer.selection.anchor = text_position{0, 0};
  pointer.selection.cursor = text_position{7, 0};
  log_capture log;
  pointer.finish_selection();
  EXPECT_TRUE(hooks.clipboard_writes.empty());
  EXPECT_TRUE(log.contains("Error in copy_selection_to_clipboard(), line 2 NULL.\n"));
}

TEST_F(view_fixture, ClickingALinkOpensAndSelectsIt) {
  store.set_window_size(1000, 50);
  store.append_text("see http://example.com. ok\n");
  pointer.mouse_event(event(text_mouse_event::left_down, 95, y_of(0), true));
  EXPECT_EQ(hooks.opened, (std::vector<std::string>{"http://example.com"}));
  EXPECT_EQ(hooks.clipboard_writes, (std::vector<std::string>{"http://example.com"}));
  EXPECT_TRUE(pointer.link_click_pending);
  // Everything up to the release is ignored.
  pointer.mouse_event(event(text_mouse_event::motion, 5, y_of(0), true));
  pointer.mouse_event(event(text_mouse_event::left_up, 5, y_of(0), false));
  EXPECT_FALSE(pointer.link_click_pending);
  EXPECT_EQ(hooks.clipboard_writes.size(), 1u);
}

TEST_F(view_fixture, WithHotlinkingOffALinkClickStartsASelection) {
  hooks.hotlinking = false;
  store.set_window_size(1000, 50);
  store.append_text("see http://example.com. ok\n");
  drag(115, y_of(0), 135, y_of(0));
  EXPECT_TRUE(hooks.opened.empty());
  EXPECT_EQ(hooks.clipboard_writes.back(), "exa");
}

TEST_F(view_fixture, DraggingAboveTheWindowScrollsUp) {
  fill(30);
  pointer.mouse_event(event(text_mouse_event::left_down, 5, y_of(29), true));
  pointer.mouse_event(event(text_mouse_event::motion, 5, -60, true));
  EXPECT_EQ(pointer.drag_scroll, 10 * -60 * 2 / 50);
  EXPECT_EQ(hooks.drag_animations, 1);
  pointer.drag_scroll_step();
  EXPECT_EQ(scroll.view_position, 28);
  EXPECT_EQ(pointer.selection.cursor.line, 24);
  EXPECT_EQ(hooks.clipboard_writes.back().substr(0, 4), "l24\n");
}

TEST_F(view_fixture, LosingTheCaptureEndsTheDrag) {
  store.append_text("abc\n");
  pointer.mouse_event(event(text_mouse_event::left_down, 5, y_of(0), true));
  pointer.mouse_event(event(text_mouse_event::motion, 25, y_of(0), true));
  pointer.capture_lost();
  EXPECT_FALSE(pointer.drag_active);
  EXPECT_FALSE(pointer.selection.active);
}

// Positions of an old selection would point at other text once the lines are emptied or rebuilt.
TEST_F(view_fixture, ClearingOrRewrappingDropsTheSelection) {
  ansi_text_model model(store, scroll);
  struct change_case {
    const char* name;
    std::function<void()> change;
    bool keeps_selection;
  };
  const change_case cases[] = {
      {"clear_text", [&] { store.clear_text(); }, false},
      {"rewrap", [&] { store.rewrap(); }, false},
      {"narrower window", [&] { store.set_window_size(60, 50); }, false},
      {"taller window only", [&] { store.set_window_size(100, 80); }, true},
      {"new glyph widths", [&] { set_fixed_widths(store, 8, 10); }, false},
      {"clear_display", [&] { model.clear_display(); }, false},
      {"rerender", [&] { model.rerender(); }, false},
      {"wrapping switched off", [&] { model.set_wrapping(false); }, false},
  };
  for (const change_case& c : cases) {
    set_fixed_widths(store, 10, 10);
    store.set_window_size(100, 50);
    store.set_wrapping(true);
    model.clear_display();
    model.output_text("abc def\n");
    drag(5, y_of(0), 25, y_of(0));
    ASSERT_TRUE(pointer.selection.active) << c.name;
    c.change();
    EXPECT_EQ(pointer.selection.active, c.keeps_selection) << c.name;
    if (!c.keeps_selection) {
      EXPECT_EQ(pointer.selection.anchor, text_position()) << c.name;
    }
  }
}

TEST_F(view_fixture, ResetSelectionClearsIt) {
  store.append_text("abc\n");
  drag(5, y_of(0), 25, y_of(0));
  pointer.reset_selection();
  EXPECT_FALSE(pointer.selection.active);
  EXPECT_EQ(pointer.selection.anchor, text_position());
}

}  // namespace
