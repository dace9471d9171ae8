// Line patterns with '*' wildcards, as used by the main window's line trigger.
#pragma once

// Each '*' (a run counts as one) takes the shortest stretch up to the next literal segment;
// the last segment must end the text, a trailing '*' takes the rest. Stretches go to the
// capture buffers in order (up to four, each `capture_size` bytes, null ones skipped).
// A pattern without '*' matches the text itself or any text it is a prefix of.
bool glob_match(const char* pattern, const char* text, char* captures[4] = nullptr, int capture_size = 0);

// The server's request to rebuild the automap ("... imms: rebuild please").
bool is_map_rebuild_request(const char* line);
