# cmake -DOUTPUT=file.h -DIMAGES="name=path|name=path..." -P embed_images.cmake
# Writes each PNG's bytes as a C array, so the images are part of the program.
set(text "// Generated from the PNG files in src/display/images; do not edit.\n#pragma once\n\n")
string(REPLACE "|" ";" image_list "${IMAGES}")
foreach(entry ${image_list})
  string(REPLACE "=" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 path)
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Sixteen bytes a line keeps the file readable in a diff viewer.
  string(REGEX REPLACE "((0x..,){16})" "\\1\n  " bytes "${bytes}")
  string(APPEND text "static const unsigned char ${name}_png[${size}] = {\n  ${bytes}\n};\n\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "${text}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
