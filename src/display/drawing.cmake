# The drawing layer: the pixel core (no toolkit) and its toolkit shells.
target_sources(vandrel_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/animation_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/background_pattern.cpp
  ${CMAKE_CURRENT_LIST_DIR}/compiled_images.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pixel_draw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/theme_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/themes.cpp
)
if(TARGET vandrel_gui)
  target_sources(vandrel_gui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/frame_background.cpp
    ${CMAKE_CURRENT_LIST_DIR}/quor_bitmap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/quor_embedded_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/quor_font.cpp
    ${CMAKE_CURRENT_LIST_DIR}/quor_images.cpp
  )
endif()

# The images (drawn by tools/make_images.sh) become C arrays in the generated directory.
set(vandrel_image_names logo padlock icon_nosword icon_zzz icon_hand_red icon_hand_blue icon_hand_green)
set(vandrel_image_args "")
set(vandrel_image_files "")
foreach(name ${vandrel_image_names})
  set(file ${CMAKE_CURRENT_LIST_DIR}/images/${name}.png)
  list(APPEND vandrel_image_args "${name}=${file}")
  list(APPEND vandrel_image_files ${file})
endforeach()
string(REPLACE ";" "|" vandrel_image_args_joined "${vandrel_image_args}")
set(vandrel_images_header ${CMAKE_BINARY_DIR}/generated/compiled_images_data.h)
add_custom_command(
  OUTPUT ${vandrel_images_header}
  COMMAND ${CMAKE_COMMAND} -DOUTPUT=${vandrel_images_header} "-DIMAGES=${vandrel_image_args_joined}"
          -P ${CMAKE_CURRENT_LIST_DIR}/embed_images.cmake
  DEPENDS ${vandrel_image_files} ${CMAKE_CURRENT_LIST_DIR}/embed_images.cmake
  COMMENT "Embedding the compiled-in images"
  VERBATIM)
add_custom_target(vandrel_embedded_images DEPENDS ${vandrel_images_header})
add_dependencies(vandrel_core vandrel_embedded_images)
