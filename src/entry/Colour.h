#pragma once

#include <cstdint>

namespace selen {

// A colour as red, green and blue.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Colour values are kept as the platform writes them: blue in the high
// byte, red in the low byte.
constexpr Rgb fromBlueGreenRed(std::uint32_t value)
{
    return Rgb{static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
               static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

// Status colours of the observation fields: missing and required, missing
// and needed only in some cases, entered.
inline constexpr std::uint32_t RequiredColour = 0xffffff;
inline constexpr std::uint32_t ConditionalColour = 0xd0ffff;
inline constexpr std::uint32_t FilledColour = 0xfff0f0;
// The light green of the video analysis-unit selector and the photometry box.
inline constexpr std::uint32_t HighlightColour = 0xaaffaa;
// The system's button face: the background of fields not in use and of
// check boxes.
inline constexpr std::uint32_t ButtonFaceColour = 0xf0f0f0;
// Captions: black while their group is in use, grey while it is not.
inline constexpr std::uint32_t CaptionColour = 0x000000;
inline constexpr std::uint32_t GreyedCaptionColour = 0x808080;

}  // namespace selen
