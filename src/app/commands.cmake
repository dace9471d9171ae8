# The command line: send_command, config commands, history and keys, vote menu entries, and
# the tag dispatch that feeds them (toolkit-free).
target_sources(vandrel_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/command_history.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line_editor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_processor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/vote_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../net/tag_dispatcher.cpp
)
target_sources(vandrel_gui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/command_frame_host.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_main_view.cpp
)
