# The text display: backscroll store and wrapping, ANSI parsing and run record, scrolling,
# selection, links and colour flash (toolkit-free), then the window shells.
target_sources(vandrel_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ansi_palette.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ansi_text_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/color_flash.cpp
  ${CMAKE_CURRENT_LIST_DIR}/glob_match.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link_finder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_arena.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_pointer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/url_opening.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_scroll.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_store.cpp
)


if(TARGET vandrel_gui)
  target_sources(vandrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/clipboard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/quor_ansi_display.cpp
    ${CMAKE_CURRENT_LIST_DIR}/quor_main_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/quor_textctrl.cpp
  )
endif()
