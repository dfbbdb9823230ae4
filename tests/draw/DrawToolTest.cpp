// Tests of the drawing helpers on memory bitmaps: CMemDC (off-screen and
// printing), CDrawTool (paths, boxes, labels, digit size) and
// CGradientDraw (colour steps, bounds, one fill per step).
#include "DrawTestSupport.h"

#include <gtest/gtest.h>

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);
}  // namespace

TEST(MemDCTest, DrawsOffScreenInTheSameCoordinatesThenCopiesTheClipBox) {
    Bitmap32 target(80, 60);
    target.dc.IntersectClipRect(10, 10, 60, 40);
    {
        CMemDC mem(&target.dc);
        mem->FillSolidRect(10, 10, 50, 30, kBlue);
        mem->FillSolidRect(20, 20, 5, 5, kRed);
        EXPECT_EQ(kWhite, target.At(20, 20));  // nothing shows before the copy
    }
    EXPECT_EQ(kRed, target.At(20, 20));
    EXPECT_EQ(kBlue, target.At(59, 39));
    EXPECT_EQ(kWhite, target.At(60, 20));  // outside the clip box: untouched
    EXPECT_EQ(kWhite, target.At(9, 9));
}

TEST(MemDCTest, APrintingContextIsDrawnOnDirectlyAndStaysItsOwners) {
    Bitmap32 target(20, 20);
    target.dc.m_bPrinting = TRUE;
    const HDC hReal = target.dc.m_hDC;
    {
        CMemDC mem(&target.dc);
        EXPECT_TRUE(mem->IsPrinting());
        mem->FillSolidRect(0, 0, 5, 5, kRed);
        EXPECT_EQ(kRed, target.At(2, 2));
    }
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(hReal));  // not deleted
    target.dc.FillSolidRect(10, 10, 2, 2, kBlue);
    EXPECT_EQ(kBlue, target.At(10, 10));
}

TEST(DrawToolTest, StepsDrawAConnectedPathFromTheLastStartPoint) {
    Bitmap32 canvas(50, 50);
    const HGDIOBJ fontBefore = ::GetCurrentObject(canvas.dc, OBJ_FONT);
    {
        CDrawTool tool(&canvas.dc);
        LOGFONTA selected = {}, gui = {};
        ::GetObjectA(::GetCurrentObject(canvas.dc, OBJ_FONT), sizeof selected, &selected);
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
        EXPECT_STREQ(gui.lfFaceName, selected.lfFaceName);
        tool.PSET(10, 10);
        tool.LINESTEP(5, 0);
        tool.LINESTEP(0, 5);
        tool.LINETOSTEP(30, 30, 0, 5);
    }
    EXPECT_EQ(fontBefore, ::GetCurrentObject(canvas.dc, OBJ_FONT));
    EXPECT_EQ(5, canvas.CountInRow(10, 10, 5, kBlack));  // (10,10)-(15,10)
    EXPECT_EQ(kBlack, canvas.At(15, 14));                // (15,10)-(15,15)
    EXPECT_EQ(kWhite, canvas.At(22, 22));                // the new path is not joined to the old
    EXPECT_EQ(kBlack, canvas.At(30, 34));
}

TEST(DrawToolTest, BoxesAreOutlinedFilledShadowedAndLabelled) {
    Bitmap32 canvas(200, 100);
    CDrawTool tool(&canvas.dc);
    tool.Rectangle(5, 5, 10, 10);
    EXPECT_EQ(kBlack, canvas.At(15, 10));  // right edge
    EXPECT_EQ(kWhite, canvas.At(10, 10));  // not filled
    tool.Rectangle(30, 5, 10, 10, kRed);
    EXPECT_EQ(kRed, canvas.At(35, 10));

    // align 3: box and shadow but no label
    tool.Rectangle2(10, 30, 60, 20, kYellow, kBlue, 3, CString("88888"), 3, 1);
    EXPECT_EQ(kBlue, canvas.At(71, 51));
    EXPECT_EQ(58, canvas.CountInRow(40, 11, 58, kYellow));
    EXPECT_EQ(kYellow, canvas.dc.GetBkColor());
    tool.Rectangle2(100, 30, 60, 20, kYellow, kBlue, 3, CString("88"), 0, 1);
    EXPECT_LT(canvas.CountInRow(40, 101, 29, kYellow), 29);  // left-aligned label
    EXPECT_EQ(29, canvas.CountInRow(40, 130, 29, kYellow));
    tool.Rectangle2(100, 30, 60, 20, kYellow, kBlue, 3, 0L, 0, 1);  // the number 0: no label
    EXPECT_EQ(58, canvas.CountInRow(40, 101, 58, kYellow));
    tool.Rectangle3(100, 30, 60, 20, kYellow, kBlue, kRed, 3, 42L, 2, 1);
    EXPECT_EQ(kRed, ::GetTextColor(canvas.dc));
    EXPECT_EQ(29, canvas.CountInRow(40, 101, 29, kYellow));  // right-aligned label
    EXPECT_LT(canvas.CountInRow(40, 130, 29, kYellow), 29);
    tool.Rectangle3(10, 60, 60, 20, kYellow, kBlue, kRed, 3, CString(), 0, 0);  // no frame: nothing filled
    EXPECT_EQ(kWhite, canvas.At(40, 70));

    // The digit is measured in whatever font the context holds.
    const CSize gui = tool.GetTextSize();
    CFont large;
    ASSERT_TRUE(large.CreatePointFont(360, "Arial"));
    CFont* old = canvas.dc.SelectObject(&large);
    EXPECT_GT(tool.GetTextSize().cy, 2 * gui.cy);
    canvas.dc.SelectObject(old);
}

TEST(GradientDrawTest, StepsSpanTheRectangleWhereverItStartsUpToThePosition) {
    Bitmap32 canvas(400, 30);
    CGradientDraw gradient(&canvas.dc);
    gradient.SetColorBkGround(kYellow);
    const CRect rect(50, 5, 305, 25);  // 255 wide: one pixel per step
    gradient.Draw(rect, 50);
    EXPECT_EQ(kRed, canvas.At(50, 10));
    EXPECT_EQ(RGB(155, 0, 100), canvas.At(150, 10));
    EXPECT_EQ(RGB(128, 0, 127), canvas.At(177, 24));  // the bar ends at 177: its step drawn whole
    EXPECT_EQ(127, canvas.CountInRow(10, 178, 127, kYellow));
    EXPECT_EQ(kWhite, canvas.At(305, 10));
    EXPECT_EQ(kWhite, canvas.At(100, 4));
    for (int pos : {0, 100, -3, 250}) {  // at or past a bound: the button face only
        gradient.Draw(rect, pos);
        EXPECT_EQ(255, canvas.CountInRow(10, 50, 255, ::GetSysColor(COLOR_BTNFACE))) << pos;
    }
    // Equal colours: a solid bar.
    gradient.SetColorStart(kBlue);
    gradient.SetColorEnd(kBlue);
    gradient.Draw(CRect(0, 0, 200, 20), 30);
    EXPECT_EQ(60, canvas.CountInRow(10, 0, 200, kBlue));
}

TEST(GradientDrawTest, EachColourStepIsOneFillNotOneFillPerColumn) {
    const int fills = CountMetafileFills([](CDC& dc) {
        CGradientDraw gradient(&dc);
        gradient.SetColorStart(RGB(0, 0, 0));
        gradient.SetColorEnd(RGB(0, 0, 10));
        gradient.Draw(CRect(0, 0, 600, 20), 99);  // 10 steps of 60 pixels
    });
    EXPECT_GE(fills, 10);
    EXPECT_LE(fills, 11);  // the steps and at most one background
}
