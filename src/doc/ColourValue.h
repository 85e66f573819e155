// A 24-bit colour value as items and settings resolve them:
// Red + Green * 256 + Blue * 65536.
#pragma once

#include <cstdint>

using COLORREF = std::uint32_t;

constexpr COLORREF MakeColourValue(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
constexpr unsigned RedOf(COLORREF c) {
    return c & 0xFF;
}
constexpr unsigned GreenOf(COLORREF c) {
    return (c >> 8) & 0xFF;
}
constexpr unsigned BlueOf(COLORREF c) {
    return (c >> 16) & 0xFF;
}
