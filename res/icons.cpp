// The icons, drawn pixel by pixel in the 16-colour palette: '0'..'f' index the
// palette, '.' is transparent.
#include "res/resources.h"

#include "res/resource.h"

namespace {

// The classic 16-colour palette, as colour references.
const COLORREF kPalette[16] = {
    RGB(0, 0, 0),     RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),   RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0), RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),   RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

// The application icon: a white face with three teal bars under tick marks.
const char* const kClock32[] = {
    "00000000000000000000000000000000",
    "0ffffffffffffffffffffffffffffff0",
    "0ffffffffffffffffffffffffffffff0",
    "0ff8fff8fff8fff8fff8fff8fff88ff0",
    "0ff8fff8fff8fff8fff8fff8fff88ff0",
    "0ff6666666666666666666666ffffff0",
    "0ff6666666666666666666666ffffff0",
    "0ff6666666666666666666666ffffff0",
    "0ff6666666666666666666666ffffff0",
    "0ffffffffffffffffffffffffffffff0",
    "0ffffffffffffffffffffffffffffff0",
    "0ff8fff8fff8fff8fff8fff8fff88ff0",
    "0ff8fff8fff8fff8fff8fff8fff88ff0",
    "0ff66666666666666ffffffffffffff0",
    "0ff66666666666666ffffffffffffff0",
    "0ff66666666666666ffffffffffffff0",
    "0ff66666666666666ffffffffffffff0",
    "0ffffffffffffffffffffffffffffff0",
    "0ffffffffffffffffffffffffffffff0",
    "0ff8fff8fff8fff8fff8fff8fff88ff0",
    "0ff8fff8fff8fff8fff8fff8fff88ff0",
    "0ff6666666fffffffffffffffffffff0",
    "0ff6666666fffffffffffffffffffff0",
    "0ff6666666fffffffffffffffffffff0",
    "0ff6666666fffffffffffffffffffff0",
    "0ffffffffffffffffffffffffffffff0",
    "0ffffffffffffffffffffffffffffff0",
    "0ffffffffffffffffffffffffffffff0",
    "0ffffffffffffffffffffffffffffff0",
    "0ffffffffffffffffffffffffffffff0",
    "0ffffffffffffffffffffffffffffff0",
    "00000000000000000000000000000000",
};

const char* const kClock16[] = {
    "0000000000000000",
    "0ffffffffffffff0",
    "0f8ff8ff8ff8f8f0",
    "0f6666666666fff0",
    "0f6666666666fff0",
    "0ffffffffffffff0",
    "0f8ff8ff8ff8f8f0",
    "0f666666fffffff0",
    "0f666666fffffff0",
    "0ffffffffffffff0",
    "0f8ff8ff8ff8f8f0",
    "0f666ffffffffff0",
    "0f666ffffffffff0",
    "0ffffffffffffff0",
    "0ffffffffffffff0",
    "0000000000000000",
};

// The spare icon.
const char* const kSpare32[] = {
    "................................",
    "................................",
    "................................",
    "................................",
    "...............00...............",
    "..............0550..............",
    ".............055550.............",
    "............05555550............",
    "...........0555555550...........",
    "..........055555555550..........",
    ".........05555555555550.........",
    "........0555555555555550........",
    ".......055555555555555550.......",
    "......05555555555555555550......",
    ".....0555555555555555555550.....",
    "....055555555555555555555550....",
    "....055555555555555555555550....",
    ".....0555555555555555555550.....",
    "......05555555555555555550......",
    ".......055555555555555550.......",
    "........0555555555555550........",
    ".........05555555555550.........",
    "..........055555555550..........",
    "...........0555555550...........",
    "............05555550............",
    ".............055550.............",
    "..............0550..............",
    "...............00...............",
    "................................",
    "................................",
    "................................",
    "................................",
};

}  // namespace

const AFX_ICON_IMAGE g_icons[] = {
    {IDR_MAINFRAME, 32, 32, kPalette, kClock32},
    {IDR_MAINFRAME, 16, 16, kPalette, kClock16},
    {IDI_SPARE, 32, 32, kPalette, kSpare32},
};
const size_t g_iconCount = sizeof g_icons / sizeof g_icons[0];
