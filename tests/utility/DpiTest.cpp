// Tests of the DPI helpers: sizes scaled between DPIs, and bitmaps resized
// smoothly. (Loading the versions of a bitmap resource is tested with
// Ordovan's bitmaps in the dialog tests.)
#include <afxwin.h>
#include <gtest/gtest.h>

#include <Vokit.h>

#include "BitmapBits.h"

#include <vector>

namespace {

CSize SizeOf(HBITMAP bitmap) { return CSize(BitmapSize(bitmap)); }

const DWORD kBlack = 0x000000;
const DWORD kWhite = 0xFFFFFF;

}  // namespace

TEST(Dpi, SizesScaleBetweenDpisRoundedToTheNearestPixel) {
    EXPECT_EQ(34, _ScaleDpi(34, 96));
    EXPECT_EQ(51, _ScaleDpi(34, 144));
    EXPECT_EQ(26, _ScaleDpi(17, 144));  // 25.5: halves go up
    EXPECT_EQ(-26, _ScaleDpi(-17, 144));
    EXPECT_EQ(25, _ScaleDpi(20, 120));
    EXPECT_EQ(34, _ScaleDpi(51, 96, 144));  // back from 144 DPI
    // Nothing to scale from or to.
    EXPECT_EQ(34, _ScaleDpi(34, 0));
    EXPECT_EQ(34, _ScaleDpi(34, 144, -1));
    EXPECT_GT(_GetScreenDpi(), 0);
}

TEST(Dpi, BitmapsResizeWithEveryPixelTheAverageOfWhatItCovers) {
    // Black | white, one and a half times as wide: the middle pixel covers
    // half of each.
    HBITMAP pair = MakeBitmap32(2, 1, {kBlack, kWhite});
    ASSERT_TRUE(pair);
    HBITMAP wider = _ScaleBitmap(pair, 3, 1);
    ASSERT_TRUE(wider);
    EXPECT_EQ(CSize(3, 1), SizeOf(wider));
    const std::vector<DWORD> three = PixelsOf(wider);
    ASSERT_EQ(3u, three.size());
    EXPECT_EQ(kBlack, three[0]);
    EXPECT_EQ(kWhite, three[2]);
    const DWORD grey = three[1] & 0xFF;
    EXPECT_TRUE(grey == 127 || grey == 128) << grey;
    EXPECT_EQ(grey * 0x010101u, three[1]);

    // Halving a 4 x 2 picture of two colour blocks keeps the blocks; the
    // same size copies it.
    const DWORD red = 0xFF0000, blue = 0x0000FF;
    HBITMAP blocks = MakeBitmap32(4, 2, {red, red, blue, blue, red, red, blue, blue});
    HBITMAP half = _ScaleBitmap(blocks, 2, 1);
    EXPECT_EQ((std::vector<DWORD>{red, blue}), PixelsOf(half));
    HBITMAP same = _ScaleBitmap(blocks, 4, 2);
    EXPECT_EQ(PixelsOf(blocks), PixelsOf(same));

    EXPECT_EQ(nullptr, _ScaleBitmap(pair, 0, 5));
    EXPECT_EQ(nullptr, _ScaleBitmap(nullptr, 5, 5));
    for (HBITMAP bitmap : {pair, wider, blocks, half, same}) ::DeleteObject(bitmap);
}
