// VoDpi.cpp - the screen's DPI, scaling of sizes, and bitmaps for the DPI.
#include "VoDpi.h"

#include <afxwin.h>

#include <cmath>
#include <cstdint>
#include <new>
#include <vector>

namespace {

// Scales in percent, in ascending order, for which a bitmap may come in a
// version of its own; 100 is the bitmap itself.
const int kVersionPercents[] = {100, 125, 150, 175, 200, 250, 300};

// "<name>_<percent>", or name itself for 100 %.
CString VersionName(const char* name, int percent) {
    CString version(name);
    if (percent != 100) version.Format("%s_%d", name, percent);
    return version;
}

// One source pixel's share in a destination pixel.
struct Tap {
    int source;
    double weight;
};

// For each of count destination pixels along one axis, the source pixels
// it covers (of sourceCount) with the covered part as weight; the weights
// of one destination pixel add up to 1.
std::vector<std::vector<Tap>> CoverTaps(int sourceCount, int count) {
    std::vector<std::vector<Tap>> taps(static_cast<size_t>(count));
    const double scale = static_cast<double>(sourceCount) / count;
    for (int d = 0; d < count; ++d) {
        const double low = d * scale;
        const double high = low + scale;
        for (int s = static_cast<int>(std::floor(low)); s < sourceCount && s < high; ++s) {
            const double covered = std::fmin(high, s + 1.0) - std::fmax(low, static_cast<double>(s));
            if (covered > 1e-9) taps[static_cast<size_t>(d)].push_back({s, covered / scale});
        }
    }
    return taps;
}

// Resizes 32-bit pixels (rows top first) of width x height to cx x cy,
// one axis after the other.
std::vector<uint32_t> Resample(const std::vector<uint32_t>& pixels, int width, int height, int cx, int cy) {
    const std::vector<std::vector<Tap>> across = CoverTaps(width, cx);
    const std::vector<std::vector<Tap>> down = CoverTaps(height, cy);
    const size_t channels = 4;
    std::vector<double> wide(static_cast<size_t>(cx) * height * channels, 0.0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < cx; ++x) {
            double* out = &wide[(static_cast<size_t>(y) * cx + x) * channels];
            for (const Tap& tap : across[static_cast<size_t>(x)]) {
                const uint32_t pixel = pixels[static_cast<size_t>(y) * width + tap.source];
                for (size_t c = 0; c < channels; ++c) out[c] += ((pixel >> (8 * c)) & 0xFF) * tap.weight;
            }
        }
    }
    std::vector<uint32_t> result(static_cast<size_t>(cx) * cy, 0);
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            double sum[channels] = {};
            for (const Tap& tap : down[static_cast<size_t>(y)]) {
                const double* in = &wide[(static_cast<size_t>(tap.source) * cx + x) * channels];
                for (size_t c = 0; c < channels; ++c) sum[c] += in[c] * tap.weight;
            }
            uint32_t pixel = 0;
            for (size_t c = 0; c < channels; ++c) {
                const long value = std::lround(sum[c]);
                pixel |= static_cast<uint32_t>(value < 0 ? 0 : value > 255 ? 255 : value) << (8 * c);
            }
            result[static_cast<size_t>(y) * cx + x] = pixel;
        }
    }
    return result;
}

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

bool HasBitmap(HINSTANCE module, const char* name) { return ::FindResourceA(module, name, RT_BITMAP) != nullptr; }

CSize BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    if (!bitmap || !::GetObjectA(bitmap, sizeof info, &info)) return CSize(0, 0);
    return CSize(info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight);
}

}  // namespace

int _GetScreenDpi() {
    static const int dpi = [] {
        HDC screen = ::GetDC(nullptr);
        const int value = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
        if (screen) ::ReleaseDC(nullptr, screen);
        return value > 0 ? value : VO_DESIGN_DPI;
    }();
    return dpi;
}

int _ScaleDpi(int value, int toDpi, int fromDpi) {
    if (toDpi <= 0 || fromDpi <= 0 || toDpi == fromDpi) return value;
    return ::MulDiv(value, toDpi, fromDpi);
}

HBITMAP _ScaleBitmap(HBITMAP bitmap, int cx, int cy) {
    const CSize size = BitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0 || cx <= 0 || cy <= 0) return nullptr;
    HDC screen = ::GetDC(nullptr);
    if (!screen) return nullptr;
    HBITMAP result = nullptr;
    try {
        std::vector<uint32_t> pixels(static_cast<size_t>(size.cx) * size.cy);
        BITMAPINFO info = TopDown32(size.cx, size.cy);
        if (::GetDIBits(screen, bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS) ==
            size.cy) {
            const std::vector<uint32_t> scaled = Resample(pixels, size.cx, size.cy, cx, cy);
            info = TopDown32(cx, cy);
            result = ::CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, scaled.data(), &info, DIB_RGB_COLORS);
        }
    } catch (const std::bad_alloc&) {
        result = nullptr;
    }
    ::ReleaseDC(nullptr, screen);
    return result;
}

HBITMAP _LoadBitmapForDpi(HINSTANCE module, const char* name, int dpi) {
    if (!name || !HasBitmap(module, name)) return nullptr;
    if (dpi <= 0 || dpi == VO_DESIGN_DPI) return ::LoadBitmapA(module, name);

    // The version to start from: the one made for this DPI, else the
    // smallest one above it, else the largest. The bitmap itself is 100 %.
    int exact = 0;
    int smallestAbove = 0;
    int largest = 0;
    for (int percent : kVersionPercents) {
        if (percent != 100 && !HasBitmap(module, VersionName(name, percent))) continue;
        if (percent * VO_DESIGN_DPI == dpi * 100) exact = percent;
        if (percent * VO_DESIGN_DPI > dpi * 100 && !smallestAbove) smallestAbove = percent;
        largest = percent;
    }
    if (exact) return ::LoadBitmapA(module, VersionName(name, exact));

    const int start = smallestAbove ? smallestAbove : largest;
    HBITMAP original = ::LoadBitmapA(module, name);
    HBITMAP source = start == 100 ? original : ::LoadBitmapA(module, VersionName(name, start));
    const CSize size = BitmapSize(original);
    HBITMAP result = _ScaleBitmap(source, _ScaleDpi(size.cx, dpi), _ScaleDpi(size.cy, dpi));
    if (source && source != original) ::DeleteObject(source);
    if (original) ::DeleteObject(original);
    return result;
}
