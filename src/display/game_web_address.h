// The game's web site: the address shown under the logo and the host of its pages.
#pragma once

inline constexpr const char* game_web_host = "www.vandrel.example";
inline constexpr const char* game_web_address_text = "www.vandrel.example";
