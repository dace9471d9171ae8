// The soundpack: plays the sounds the server names.
// Its drawing and behaviour are not built yet: each operation says so in the debug log.
#pragma once

class quor_soundpack {
 public:
  void parse_audio_tag(const char* data);
};
