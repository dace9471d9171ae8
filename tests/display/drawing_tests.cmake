# Tests of the drawing layer: the pixel core on memory buffers, and the toolkit shells on Xvfb.
vandrel_unit_test(drawing_core_tests LIBS vandrel_core SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/animation_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/background_pattern_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/compiled_images_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pixel_draw_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/themes_test.cpp
)

# The toolkit needs a display, so this binary runs as one test under a private Xvfb.
add_executable(drawing_gui_tests ${CMAKE_CURRENT_LIST_DIR}/drawing_gui_test.cpp ${CMAKE_SOURCE_DIR}/tests/support/wx_test_main.cpp)
target_link_libraries(drawing_gui_tests PRIVATE vandrel_gui GTest::gtest)
target_include_directories(drawing_gui_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
# GTK keeps process-lifetime allocations that LeakSanitizer would report; HOME is a scratch directory.
vandrel_script_test(drawing_gui_tests sh ${CMAKE_CURRENT_LIST_DIR}/with_temp_home.sh
  ${CMAKE_SOURCE_DIR}/tools/xvfb_run.sh $<TARGET_FILE:drawing_gui_tests>)
set_tests_properties(drawing_gui_tests PROPERTIES ENVIRONMENT_MODIFICATION "ASAN_OPTIONS=set:detect_leaks=0")

vandrel_script_test(drawing_frame_background_e2e ${CMAKE_SOURCE_DIR}/tools/xvfb_run.sh python3
  ${CMAKE_CURRENT_LIST_DIR}/frame_background_e2e_test.py)
