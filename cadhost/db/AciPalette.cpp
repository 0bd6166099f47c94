// The host's 256-colour index palette. Indices 10 to 249 walk 24 hues in steps of 15 degrees; each
// hue has five brightness levels, each in a full and a pale shade. 1 to 9 and 250 to 255 are fixed.
#include "dbcolor.h"

#include <array>

namespace {
constexpr Adesk::UInt32 rgb(unsigned red, unsigned green, unsigned blue)
{
    return (red << 16) | (green << 8) | blue;
}

constexpr std::array<Adesk::UInt32, 256> makePalette()
{
    std::array<Adesk::UInt32, 256> palette{};
    constexpr Adesk::UInt32 kFixed[10] = {rgb(0, 0, 0),       rgb(255, 0, 0),    rgb(255, 255, 0), rgb(0, 255, 0),
                                          rgb(0, 255, 255),   rgb(0, 0, 255),    rgb(255, 0, 255), rgb(255, 255, 255),
                                          rgb(128, 128, 128), rgb(192, 192, 192)};
    for (int index = 0; index < 10; ++index)
        palette[static_cast<std::size_t>(index)] = kFixed[index];
    constexpr unsigned kGrays[6] = {51, 80, 105, 130, 190, 255};
    for (std::size_t index = 0; index < 6; ++index)
        palette[250 + index] = rgb(kGrays[index], kGrays[index], kGrays[index]);

    constexpr unsigned kBrightness[5] = {255, 165, 127, 76, 38};
    for (unsigned hue = 0; hue < 24; ++hue) {
        // Channel weights in quarters: the hue's sextant and the quarter position inside it.
        unsigned sextant = hue / 4;
        unsigned quarter = hue % 4;
        unsigned weights[3] = {};
        switch (sextant) {
        case 0:
            weights[0] = 4, weights[1] = quarter, weights[2] = 0;
            break;
        case 1:
            weights[0] = 4 - quarter, weights[1] = 4, weights[2] = 0;
            break;
        case 2:
            weights[0] = 0, weights[1] = 4, weights[2] = quarter;
            break;
        case 3:
            weights[0] = 0, weights[1] = 4 - quarter, weights[2] = 4;
            break;
        case 4:
            weights[0] = quarter, weights[1] = 0, weights[2] = 4;
            break;
        default:
            weights[0] = 4, weights[1] = 0, weights[2] = 4 - quarter;
            break;
        }
        for (unsigned level = 0; level < 5; ++level) {
            unsigned value = kBrightness[level];
            unsigned full[3] = {};
            unsigned pale[3] = {};
            for (int channel = 0; channel < 3; ++channel) {
                full[channel] = value * weights[channel] / 4;
                pale[channel] = value * (4 + weights[channel]) / 8;
            }
            std::size_t index = 10 + hue * 10 + level * 2;
            palette[index] = rgb(full[0], full[1], full[2]);
            palette[index + 1] = rgb(pale[0], pale[1], pale[2]);
        }
    }
    return palette;
}

constexpr std::array<Adesk::UInt32, 256> kPalette = makePalette();
} // namespace

namespace AcCmEntityColor {
Adesk::UInt32 lookUpRGB(Adesk::UInt16 colorIndex)
{
    return colorIndex < kPalette.size() ? kPalette[colorIndex] : kPalette[7];
}

Adesk::UInt16 lookUpACI(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue)
{
    Adesk::UInt16 best = 1;
    long bestDistance = -1;
    for (Adesk::UInt16 index = 1; index < 256; ++index) {
        Adesk::UInt32 color = kPalette[index];
        long dr = static_cast<long>((color >> 16) & 0xFF) - red;
        long dg = static_cast<long>((color >> 8) & 0xFF) - green;
        long db = static_cast<long>(color & 0xFF) - blue;
        long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = index;
            bestDistance = distance;
        }
    }
    return best;
}
} // namespace AcCmEntityColor
