#pragma once
// CP932 -> UTF-16 converter for native builds (glibc iconv).
#include <cstddef>
#include <cstdint>

int Cp932ToUtf16Iconv(const char *src, size_t len, uint16_t *dst, size_t cap);
