#pragma once
// Forms are laid out for 96 dpi; at another system dpi every position and size is scaled so the window
// looks the same, only larger.

namespace forms {

// A child's place in its parent's client area.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kDesignDpi = 96;

// The font of every form's controls.
inline constexpr char kFontFace[] = "MS Sans Serif";
inline constexpr int kFontPoints = 8;

// value * dpi / 96, rounded to the nearest pixel, halves away from zero (as MulDiv rounds).
int ScaleToDpi(int value, int dpi);

// Scales the edges, not the width and height, so that controls flush at 96 dpi stay flush: a button's
// right edge stays on the list's right edge whatever the rounding.
Rect ScaleRect(const Rect& rect, int dpi);

// The font height for CreateFont: the negative character height of the point size at that dpi.
int FontHeightForDpi(int points, int dpi);

// Tool-button pictures are 16 pixels at 96 dpi and stored at these sizes; at a scaled dpi the largest
// that fits the scaled picture is drawn, so pictures are never stretched (blurred) or cut.
inline constexpr int kPictureSize = 16;
inline constexpr int kPictureSizes[] = {16, 20, 24, 32};
int PictureSizeIndex(int dpi);

} // namespace forms
