#pragma once

// Window definitions keep positions in twips, 1/1440 inch, as the layouts are written; the
// screen is 96 dpi, so 15 twips make one pixel.
namespace layouts {

inline constexpr int twips_per_pixel = 15;

// Nearest whole pixel. 15 is odd, so no twips value lies exactly between two pixels and the
// rounding is the same for negative values (-7 -> 0, -8 -> -1) as for positive ones.
constexpr int twips_to_pixels(int twips) {
    const int shifted = twips + twips_per_pixel / 2;
    return shifted >= 0 ? shifted / twips_per_pixel
                        : -((-shifted + twips_per_pixel - 1) / twips_per_pixel);
}

constexpr int pixels_to_twips(int pixels) {
    return pixels * twips_per_pixel;
}

}  // namespace layouts
