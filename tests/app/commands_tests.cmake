# The command line, its keys and history, the config commands, the vote menu entries and the
# tag dispatch.
vandrel_unit_test(commands_core_tests LIBS vandrel_core SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/command_history_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line_editor_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_processor_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config_commands_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vote_menu_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../net/tag_dispatcher_test.cpp
)
vandrel_script_test(commands_e2e ${CMAKE_SOURCE_DIR}/tools/xvfb_run.sh python3 ${CMAKE_CURRENT_LIST_DIR}/commands_e2e_test.py)
vandrel_script_test(input_window_e2e ${CMAKE_SOURCE_DIR}/tools/xvfb_run.sh python3 ${CMAKE_CURRENT_LIST_DIR}/input_window_e2e_test.py)
# The command line's translation of the toolkit's key codes.
vandrel_unit_test(line_edit_keys_tests LIBS vandrel_gui SOURCES ${CMAKE_CURRENT_LIST_DIR}/line_edit_keys_test.cpp)
