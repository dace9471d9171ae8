// Directory creation, line reading and lock files.
#pragma once

#include <cstdio>
#include <sys/types.h>

class text_buffer;

int fget_line(FILE* file, char* buffer, int size);
bool quor_recursive_mkdir(const char* path, mode_t mode, text_buffer* failure_text);
bool quor_create_and_check_writeable_directory(const char* path, mode_t mode, text_buffer* failure_text);
int lock_file(const char* path);
bool unlock_file(int fd);
