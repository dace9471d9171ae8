// Routes a complete tag from the game server to whatever owns its payload.
#pragma once

// name: 1 to 63 characters; data: zero-terminated, empty for ";t" tags; length: data bytes.
void process_tagged_data(const char* name, const char* data, int length);
