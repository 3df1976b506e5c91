// Image files written without help from the system: PNG for pictures and
// icons, ICO for the icon of the Windows executable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win/windef.h"

// A picture as 0xAARRGGBB pixels, row by row from the top.
struct AfxPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;
};

// The icon resource at the given size: the drawing made for that size, else
// the largest whose size divides it (each pixel a square block, as sharp as
// the original), else the largest, scaled. Empty when there is no such icon.
AfxPixels AfxIconPixels(UINT nID, int size);

// A PNG file's bytes for the picture (8-bit RGBA, uncompressed deflate).
std::string AfxEncodePng(const AfxPixels& picture);

// An ICO file's bytes for the pictures, each a 32-bit image with its mask.
std::string AfxEncodeIco(const std::vector<AfxPixels>& pictures);
