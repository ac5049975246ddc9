#include "forms/dpi_scaling.h"

#include <cstdint>

namespace forms {

int ScaleToDpi(int value, int dpi) {
    const int64_t product = static_cast<int64_t>(value) * dpi;
    const int64_t half = kDesignDpi / 2;
    const int64_t rounded = product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi);
    return static_cast<int>(rounded);
}

Rect ScaleRect(const Rect& rect, int dpi) {
    const int left = ScaleToDpi(rect.left, dpi);
    const int top = ScaleToDpi(rect.top, dpi);
    const int right = ScaleToDpi(rect.left + rect.width, dpi);
    const int bottom = ScaleToDpi(rect.top + rect.height, dpi);
    return Rect{left, top, right - left, bottom - top};
}

int FontHeightForDpi(int points, int dpi) {
    const int64_t pixels = (static_cast<int64_t>(points) * dpi + 36) / 72;
    return -static_cast<int>(pixels);
}

int PictureSizeIndex(int dpi) {
    const int wanted = ScaleToDpi(kPictureSize, dpi);
    int index = 0;
    for (int i = 0; i < static_cast<int>(sizeof kPictureSizes / sizeof kPictureSizes[0]); ++i) {
        if (kPictureSizes[i] <= wanted)
            index = i;
    }
    return index;
}

} // namespace forms
