// How one character's settings are written to and read from the XML subset.
#pragma once

#include "config/char_config.h"

class quor_xml_reader;
class quor_xml_writer;

// The element single_config: every leaf in table order, then the popup window list.
void write_char_config(quor_xml_writer& writer, const char_config& config);

// Reads the children of a single_config whose opening tag was read, up to its closing tag, into
// config (which holds the starting values); earlier versions' elements are understood too.
void read_char_config_children(quor_xml_reader& reader, char_config* config);

// True when the name can be a file name on its own: not empty, not "." or "..", no slash,
// backslash or control byte. Other names never reach a path.
bool is_safe_config_file_name(const char* name);
