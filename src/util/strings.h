// Bounded copying and the string hash used by the file manifest.
#pragma once

#include <cstdint>

bool safe_strcpy(char* dest, const char* src, int size);
uint32_t string_hash(const char* s);
// Direction of (dx, dy) in whole degrees, 0..360; 90 for the null vector.
int vector_angle(double dx, double dy);
