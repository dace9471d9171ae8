vandrel_unit_test(text_tests LIBS vandrel_core SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/ansi_text_model_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/color_flash_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/glob_match_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link_finder_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_painter_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_frame_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_store_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_view_test.cpp
)

# The window shells on a private Xvfb: rendered pixels, border, flash and the line trigger.
add_executable(text_gui_tests ${CMAKE_CURRENT_LIST_DIR}/text_view_gui_test.cpp ${CMAKE_SOURCE_DIR}/tests/support/wx_test_main.cpp)
target_link_libraries(text_gui_tests PRIVATE vandrel_gui GTest::gtest)
target_include_directories(text_gui_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
vandrel_script_test(text_gui_tests sh ${CMAKE_CURRENT_LIST_DIR}/with_temp_home.sh
  ${CMAKE_SOURCE_DIR}/tools/xvfb_run.sh $<TARGET_FILE:text_gui_tests>)
# GTK keeps process-lifetime allocations that LeakSanitizer would report.
set_tests_properties(text_gui_tests PROPERTIES ENVIRONMENT_MODIFICATION "ASAN_OPTIONS=set:detect_leaks=0")

# The real client against the test game server: colours, the prompt, drag selection into the
# PRIMARY selection, and the message of a connection closed by the server.
vandrel_script_test(text_view_e2e ${CMAKE_SOURCE_DIR}/tools/xvfb_run.sh python3
  ${CMAKE_CURRENT_LIST_DIR}/text_view_e2e_test.py)
