#pragma once
// The layout is drawn for 96 dpi; at another system dpi every position and size is scaled so the window
// looks the same, only larger.
#include "shell/main_window_layout.h"

namespace shell {

// value * dpi / 96, rounded to the nearest pixel, halves away from zero (as MulDiv rounds).
int ScaleToDpi(int value, int dpi);

// Scales the edges, not the width and height, so that controls flush at 96 dpi stay flush: btnPrint's
// right edge stays on the list's right edge whatever the rounding.
Rect ScaleRect(const Rect& rect, int dpi);

// The font height for CreateFont: the negative character height of the point size at that dpi.
int FontHeightForDpi(int points, int dpi);

// Tool-button pictures are stored at these sizes; at a scaled dpi the largest that fits the scaled
// 16-pixel picture is drawn, so pictures are never stretched (blurred) or cut.
inline constexpr int kPictureSizes[] = {16, 20, 24, 32};
int PictureSizeIndex(int dpi);

} // namespace shell
