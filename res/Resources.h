// Names of the pictures compiled into the program.
#pragma once

namespace res {
constexpr const char* kAtlas = ":/vandor/atlas.bmp";  // bitmap 131, 132 x 302, 16 colours
constexpr const char* kIcon = ":/vandor/icon.bmp";    // icon 128, 32 x 32, 16 colours
}  // namespace res
