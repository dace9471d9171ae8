#include "config/quor_xml_reader.h"

#include <cctype>
#include <climits>
#include <cstring>
#include <strings.h>

#include "util/debug_log.h"

namespace {

const int max_name_length = 999;
// Real files nest three deep; deeper names are counted, not stored.
const int max_depth = 256;
const int closing_tag_size = 1000;
const int number_size = 100;

void warn(const char* text) {
  if (debug_level > 0) debug_log("%s\n", text);
}

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n'; }

const char* skip_spaces(const char* p) {
  while (is_space(*p)) p++;
  return p;
}

// Reads `= "value"` after an attribute name; returns the text after it and the closing quote, or null
// after logging the matching warning.
const char* read_attribute_value(const char* p, const char* attribute) {
  p = skip_spaces(p);
  if (*p != '=') {
    if (debug_level > 0)
      debug_log("Warning in quor_xml_reader::check_xml_header_string(), '%s' tag found, but no %s.\n", attribute,
                attribute);
    return nullptr;
  }
  p = skip_spaces(p + 1);
  if (*p != '"') {
    if (debug_level > 0)
      debug_log("Warning in quor_xml_reader::check_xml_header_string(), '%s' tag found, but no opening %s quote.\n",
                attribute, attribute);
    return nullptr;
  }
  const char* closing = strchr(p + 1, '"');
  if (!closing) {
    if (debug_level > 0)
      debug_log("Warning in quor_xml_reader::check_xml_header_string(), '%s' tag found, but no closing %s quote.\n",
                attribute, attribute);
    return nullptr;
  }
  return skip_spaces(closing + 1);
}

bool rest_is_finished(const char* p) { return *p == 0 || strncmp(p, "?>", 2) == 0; }

// Decimal value of an optional sign and the digits after it, saturated instead of overflowing.
int saturated_number(const char* text) {
  bool negative = *text == '-';
  if (*text == '-' || *text == '+') text++;
  long long value = 0;
  for (; isdigit((unsigned char)*text); text++) {
    value = value * 10 + (*text - '0');
    if (value > (long long)INT_MAX + 1) value = (long long)INT_MAX + 1;
  }
  if (negative) return value > INT_MAX ? INT_MIN : -(int)value;
  return value > INT_MAX ? INT_MAX : (int)value;
}

}  // namespace

quor_xml_reader::~quor_xml_reader() = default;

int quor_xml_reader::check_xml_header_string(const char* line) {
  if (!line) line = "";
  const char* p = skip_spaces(line);
  static const char opening[] = "<?xml";
  size_t word_length = 0;
  while (p[word_length] && !is_space(p[word_length])) word_length++;
  if (word_length != strlen(opening) || strncasecmp(p, opening, word_length) != 0) {
    warn("Warning in quor_xml_reader::check_xml_header_string(), missing opening '<?xml' tag.");
    return 0;
  }
  p = skip_spaces(p + word_length);
  bool got_version = false;
  bool got_encoding = false;
  while (*p) {
    if (strncmp(p, "version", 7) == 0) {
      p = read_attribute_value(p + 7, "version");
      if (!p) return 0;
      got_version = true;
    } else if (strncmp(p, "encoding", 8) == 0) {
      p = read_attribute_value(p + 8, "encoding");
      if (!p) return 0;
      got_encoding = true;
    } else {
      warn("Warning in quor_xml_reader::check_xml_header_string(), unknown tag found.");
      return 0;
    }
    if (rest_is_finished(p)) break;
  }
  if (!got_version && !got_encoding) {
    warn("Warning in quor_xml_reader::check_xml_header_string(), didn't get either version or encoding.");
    return 0;
  }
  if (!got_version) {
    warn("Warning in quor_xml_reader::check_xml_header_string(), didn't get version.");
    return 0;
  }
  if (!got_encoding) {
    warn("Warning in quor_xml_reader::check_xml_header_string(), didn't get encoding.");
    return 0;
  }
  return 1;
}

int quor_xml_reader::read_block(char* dest, int size, bool reading_tag) {
  if (!dest) {
    warn("Error in quor_xml_reader::read_block(), NULL dest?");
    return 0;
  }
  if (size <= 0) {
    warn("Error in quor_xml_reader::read_block(), dest is too small?");
    return 0;
  }
  int stored = 0;
  int unprintable = 0;
  int c;
  while ((c = read_char()) != -1 && c != '<' && c != '>') {
    if (stored >= size - 1) continue;
    if (c < 32 || c > 126) unprintable++;
    dest[stored++] = (char)c;
  }
  dest[stored] = 0;
  if (c == -1) {
    warn("Warning in quor_xml_reader::read_block(), file corruption - got EOF before trailing bracket.");
    return 0;
  }
  if (reading_tag && c == '<') warn("Warning in quor_xml_reader::read_block(), got second open bracket?");
  if (!reading_tag && c == '>') warn("Warning in quor_xml_reader::read_block(), got second closing bracket?");
  if (unprintable) return 0;
  compact_string(dest);
  return 1;
}

void quor_xml_reader::compact_string(char* text) {
  static const struct {
    const char* entity;
    char replacement;
  } entities[] = {{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}};
  char* out = text;
  for (const char* in = text; *in;) {
    if (*in != '&') {
      *out++ = *in++;
      continue;
    }
    bool replaced = false;
    for (const auto& e : entities) {
      size_t length = strlen(e.entity);
      if (strncmp(in, e.entity, length) == 0) {
        *out++ = e.replacement;
        in += length;
        replaced = true;
        break;
      }
    }
    if (!replaced) {
      warn("Warning in quor_xml_reader::compact_string(), unknown '&' conversion found?");
      *out++ = *in++;
    }
  }
  *out = 0;
}

int quor_xml_reader::skip_chunk() {
  int c;
  while ((c = read_char()) != -1) {
    if (c == '<') return 1;
    if (c == '>') warn("Warning in quor_xml_reader::skip_chunk(), got closing bracket?");
  }
  return 0;
}

void quor_xml_reader::push_stack_entry(const char* name) {
  if ((int)tag_stack.size() >= max_depth) {
    if (overflow_depth == 0)
      warn("Warning in quor_xml_reader::push_stack_entry(), elements nested too deeply; not checking their names.");
    overflow_depth++;
    return;
  }
  tag_stack.emplace_back(name, strnlen(name, max_name_length));
}

void quor_xml_reader::pop_stack_entry(const char* tag) {
  if (tag[0] != '/') {
    if (debug_level > 0) debug_log("Warning in quor_xml_reader::pop_stack_entry() - got bad closing tag '%s'?\n", tag);
  } else {
    tag++;
  }
  if (overflow_depth > 0) {
    overflow_depth--;
    return;
  }
  if (tag_stack.empty()) {
    // A stray closing tag has nothing to close; it is skipped.
    if (debug_level > 0)
      debug_log("Warning in quor_xml_reader::pop_stack_entry() - closing tag '%s' without an open element.\n", tag);
    return;
  }
  if (tag_stack.back() != tag && debug_level > 0)
    debug_log("Warning in quor_xml_reader::pop_stack_entry() - popped tag '%s' did not match expected tag '%s'.\n", tag,
              tag_stack.back().c_str());
  tag_stack.pop_back();
}

int quor_xml_reader::read_tag(char* dest, int size) {
  if (!dest) {
    warn("Error in quor_xml_reader::read_tag(), NULL dest?");
    return 0;
  }
  if (size <= 0) {
    warn("Error in quor_xml_reader::read_tag(), dest is too small?");
    return 0;
  }
  dest[0] = 0;
  if (!skip_chunk_to_tag()) return 0;
  if (!read_block(dest, size, true)) return 0;
  if (dest[0] == '/') {
    pop_stack_entry(dest);
    return 0;
  }
  push_stack_entry(dest);
  return 1;
}

int quor_xml_reader::skip_chunk_to_tag() {
  // Text between elements is ignored, stray closing brackets included.
  int c;
  while ((c = read_char()) != -1)
    if (c == '<') return 1;
  return 0;
}

int quor_xml_reader::read_data(char* dest, int size) {
  if (!dest) {
    warn("Error in quor_xml_reader::read_data(char[]), NULL dest?");
    return 0;
  }
  if (size <= 0) {
    warn("Error in quor_xml_reader::read_data(char[]), dest is too small?");
    return 0;
  }
  if (!read_block(dest, size, false)) return 0;
  char closing[closing_tag_size];
  read_block(closing, sizeof closing, true);
  pop_stack_entry(closing);
  return 1;
}

int quor_xml_reader::read_data(int* dest) {
  if (!dest) {
    warn("Error in quor_xml_reader::read_data(int), NULL dest?");
    return 0;
  }
  char value[number_size];
  if (!read_block(value, sizeof value, false)) return 0;
  bool is_number =
      isdigit((unsigned char)value[0]) || value[0] == '+' || (value[0] == '-' && isdigit((unsigned char)value[1]));
  if (is_number) {
    *dest = saturated_number(value);
  } else if (debug_level > 0) {
    debug_log("Warning in quor_xml_reader::read_data(int) - got non-number'%s'.\n", value);
  }
  read_block(value, sizeof value, true);
  pop_stack_entry(value);
  return is_number ? 1 : 0;
}

void quor_xml_reader::skip_data() {
  if (stack_depth() == 0) {
    warn("Error in quor_xml_reader::skip_data() - you must read at least the opening tag before skipping data.");
    return;
  }
  // Entries are identified by their depth: the skip ends when the remembered one is popped.
  const int remembered = stack_depth();
  char tag[closing_tag_size];
  for (;;) {
    if (!skip_chunk()) {
      warn("Warning in quor_xml_reader::skip_data() - unable to read chunk?");
      return;
    }
    if (!read_block(tag, sizeof tag, true)) {
      warn("Warning in quor_xml_reader::skip_data() - unable to read block?");
      return;
    }
    if (tag[0] == '!') continue;
    if (tag[0] == '/') {
      pop_stack_entry(tag);
      if (stack_depth() < remembered) return;
      continue;
    }
    push_stack_entry(tag);
  }
}

quor_xml_file_reader::quor_xml_file_reader(FILE* file) : file(file) {
  if (!file) warn("Error in quor_xml_file_reader::quor_xml_file_reader(), NULL file handle.");
}

int quor_xml_file_reader::read_char() {
  if (!file) return -1;
  int c = getc(file);
  return c == EOF ? -1 : c;
}
