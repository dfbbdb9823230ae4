// Tests of drawing: device contexts, pens, brushes, fonts, bitmaps, regions,
// image lists, and the temporary wrappers made by FromHandle. Everything is
// drawn into a memory DC and checked pixel by pixel.
#include <afxcmn.h>
#include <afxwin.h>
#include <gtest/gtest.h>

#include "AssertCapture.h"
#include "ImportPatch.h"

namespace {
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// A memory DC with a white 24-bit bitmap selected into it.
class Canvas {
public:
    Canvas(int cx, int cy) {
        dc.CreateCompatibleDC(nullptr);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = cx;
        info.bmiHeader.biHeight = -cy;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap.Attach(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        oldBitmap = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, cx, cy, kWhite);
    }
    ~Canvas() { dc.SelectObject(oldBitmap); }
    COLORREF At(int x, int y) const { return dc.GetPixel(x, y); }

    CDC dc;
    CBitmap bitmap;
    CBitmap* oldBitmap = nullptr;
};

// The framework's calls of the platform's creators, counted.
int g_made = 0;
HPEN WINAPI CountedCreatePen(int style, int width, COLORREF color) {
    ++g_made;
    return ::CreatePen(style, width, color);
}
HDC WINAPI CountedCreateCompatibleDC(HDC hDC) {
    ++g_made;
    return ::CreateCompatibleDC(hDC);
}
HIMAGELIST WINAPI CountedImageListCreate(int cx, int cy, UINT flags, int initial, int grow) {
    ++g_made;
    return ImageList_Create(cx, cy, flags, initial, grow);
}
HMENU WINAPI CountedCreatePopupMenu() {
    ++g_made;
    return ::CreatePopupMenu();
}

int ScreenLogPixelsY() {
    HDC screen = ::GetDC(nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}
}  // namespace

TEST(DrawingTest, FillSolidRectCoversExactlyTheRectangle) {
    Canvas canvas(40, 40);
    canvas.dc.FillSolidRect(10, 10, 20, 5, kRed);
    EXPECT_EQ(kRed, canvas.At(10, 10));
    EXPECT_EQ(kRed, canvas.At(29, 14));
    EXPECT_EQ(kWhite, canvas.At(30, 14));
    EXPECT_EQ(kWhite, canvas.At(10, 15));
    EXPECT_EQ(kWhite, canvas.At(9, 10));
    // It leaves the background colour set, as callers have come to expect.
    EXPECT_EQ(kRed, canvas.dc.GetBkColor());
}

TEST(DrawingTest, Draw3dRectFramesWithTwoColours) {
    Canvas canvas(20, 20);
    canvas.dc.Draw3dRect(CRect(2, 3, 10, 9), kBlue, kGreen);  // 8 x 6
    EXPECT_EQ(kBlue, canvas.At(2, 3));                        // top-left corner
    EXPECT_EQ(kBlue, canvas.At(8, 3));                        // top edge
    EXPECT_EQ(kGreen, canvas.At(9, 3));                       // top-right corner: bottom-right colour
    EXPECT_EQ(kBlue, canvas.At(2, 7));                        // left edge
    EXPECT_EQ(kGreen, canvas.At(2, 8));                       // bottom-left corner
    EXPECT_EQ(kGreen, canvas.At(9, 8));                       // bottom-right corner
    EXPECT_EQ(kGreen, canvas.At(5, 8));                       // bottom edge
    EXPECT_EQ(kGreen, canvas.At(9, 5));                       // right edge
    EXPECT_EQ(kWhite, canvas.At(5, 5));                       // inside untouched
    EXPECT_EQ(kWhite, canvas.At(10, 5));                      // outside untouched
    EXPECT_EQ(kWhite, canvas.At(5, 9));
}

TEST(DrawingTest, PensAndBrushesDrawAndSelectionReturnsThePreviousObject) {
    Canvas canvas(40, 40);
    CPen red(PS_SOLID, 1, kRed);
    CPen* old = canvas.dc.SelectObject(&red);
    ASSERT_NE(nullptr, old);
    EXPECT_TRUE(old->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_EQ(::GetStockObject(BLACK_PEN), old->m_hObject);
    EXPECT_EQ(&red, canvas.dc.GetCurrentPen());

    canvas.dc.MoveTo(5, 5);
    canvas.dc.LineTo(15, 5);
    EXPECT_EQ(kRed, canvas.At(5, 5));
    EXPECT_EQ(kRed, canvas.At(14, 5));
    EXPECT_EQ(kWhite, canvas.At(15, 5));  // the end point is not drawn
    EXPECT_EQ(CPoint(15, 5), canvas.dc.MoveTo(0, 0));

    // A pen of ours comes back as the very object selected.
    CPen blue(PS_SOLID, 1, kBlue);
    EXPECT_EQ(&red, canvas.dc.SelectObject(&blue));
    CBrush green(kGreen);
    CBrush* oldBrush = canvas.dc.SelectObject(&green);
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), oldBrush->m_hObject);
    canvas.dc.Rectangle(20, 20, 30, 30);
    EXPECT_EQ(kBlue, canvas.At(20, 20));  // outline
    EXPECT_EQ(kBlue, canvas.At(29, 25));
    EXPECT_EQ(kGreen, canvas.At(25, 25));  // fill
    EXPECT_EQ(kWhite, canvas.At(30, 25));

    CBrush redBrush(kRed);
    canvas.dc.FillRect(CRect(0, 30, 5, 35), &redBrush);
    EXPECT_EQ(kRed, canvas.At(4, 34));
    EXPECT_EQ(kWhite, canvas.At(5, 34));

    canvas.dc.SelectObject(old);
    canvas.dc.SelectObject(oldBrush);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), canvas.dc.GetCurrentPen()->m_hObject);
}

TEST(DrawingTest, ViewportOriginAndSavedStatesMoveTheDrawing) {
    Canvas canvas(20, 20);
    int saved = canvas.dc.SaveDC();
    ASSERT_NE(0, saved);
    EXPECT_EQ(CPoint(0, 0), canvas.dc.SetViewportOrg(10, 10));
    canvas.dc.SetPixel(1, 2, kRed);
    EXPECT_EQ(kRed, canvas.dc.GetPixel(1, 2));
    EXPECT_TRUE(canvas.dc.RestoreDC(saved));
    EXPECT_EQ(CPoint(0, 0), canvas.dc.GetViewportOrg());
    EXPECT_EQ(kRed, canvas.At(11, 12));
    EXPECT_EQ(kWhite, canvas.At(1, 2));
}

TEST(DrawingTest, PointFontMeasuresJapaneseText) {
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "ＭＳ Ｐゴシック"));
    LOGFONTA logFont = {};
    ASSERT_NE(0, font.GetLogFont(&logFont));
    EXPECT_EQ(-::MulDiv(90, ScreenLogPixelsY(), 720), logFont.lfHeight);

    Canvas canvas(200, 40);
    CFont* old = canvas.dc.SelectObject(&font);
    EXPECT_TRUE(old->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_EQ(&font, canvas.dc.GetCurrentFont());
    CString text("日本語の文字列");
    CSize extent = canvas.dc.GetTextExtent(text);
    EXPECT_GT(extent.cx, 0);
    EXPECT_GT(extent.cy, 0);
    // Text is drawn in the text colour.
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.SetTextColor(kBlue);
    canvas.dc.TextOut(0, 0, text);
    int blue = 0;
    for (int y = 0; y < extent.cy && y < 40; ++y) {
        for (int x = 0; x < extent.cx && x < 200; ++x) blue += canvas.At(x, y) == kBlue;
    }
    EXPECT_GT(blue, 0);
    canvas.dc.SelectObject(old);
}

TEST(RegionTest, CombineAndHitTest) {
    CRgn a, b, both, either;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgn(5, 5, 15, 15));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    ASSERT_TRUE(either.CreateRectRgn(0, 0, 0, 0));

    EXPECT_EQ(SIMPLEREGION, both.CombineRgn(&a, &b, RGN_AND));
    EXPECT_TRUE(both.PtInRegion(7, 7));
    EXPECT_FALSE(both.PtInRegion(2, 2));
    EXPECT_EQ(COMPLEXREGION, either.CombineRgn(&a, &b, RGN_OR));
    EXPECT_TRUE(either.PtInRegion(2, 2));
    EXPECT_TRUE(either.PtInRegion(12, 12));
    EXPECT_FALSE(either.PtInRegion(12, 2));
    CRect box;
    either.GetRgnBox(&box);
    EXPECT_EQ(CRect(0, 0, 15, 15), box);

    CRgn copy;
    copy.CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(SIMPLEREGION, copy.CopyRgn(&both));
    EXPECT_TRUE(copy.RectInRegion(CRect(5, 5, 10, 10)));
    EXPECT_FALSE(copy.RectInRegion(CRect(11, 11, 12, 12)));
}

TEST(RegionTest, ClippingAndFillingFollowTheRegion) {
    Canvas canvas(20, 20);
    CRgn clip;
    clip.CreateEllipticRgn(0, 0, 20, 20);
    EXPECT_NE(ERROR, canvas.dc.SelectClipRgn(&clip));
    canvas.dc.FillSolidRect(0, 0, 20, 20, kRed);
    EXPECT_EQ(kRed, canvas.At(10, 10));
    EXPECT_EQ(kWhite, canvas.At(0, 0));  // a corner lies outside the ellipse
    EXPECT_FALSE(canvas.dc.PtVisible(0, 0));
    canvas.dc.SelectClipRgn(nullptr);

    CRgn square;
    square.CreateRectRgn(0, 0, 3, 3);
    CBrush green(kGreen);
    EXPECT_TRUE(canvas.dc.FillRgn(&square, &green));
    EXPECT_EQ(kGreen, canvas.At(0, 0));
    EXPECT_EQ(kWhite, canvas.At(0, 3));  // below the square, outside the ellipse
}

TEST(HandleTest, OwnedHandlesDieWithTheirObjects) {
    HGDIOBJ pen;
    {
        CPen owner(PS_SOLID, 1, kRed);
        pen = owner;
        EXPECT_EQ(static_cast<DWORD>(OBJ_PEN), ::GetObjectType(pen));
    }
    EXPECT_EQ(0u, ::GetObjectType(pen));

    // Detach hands the handle over; it stays alive.
    HGDIOBJ brush;
    {
        CBrush owner(kGreen);
        brush = owner.Detach();
        EXPECT_EQ(nullptr, owner.m_hObject);
    }
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), ::GetObjectType(brush));
    ::DeleteObject(brush);

    // A stock object survives its wrapper.
    {
        CGdiObject stock;
        ASSERT_TRUE(stock.CreateStockObject(BLACK_BRUSH));
        EXPECT_TRUE(stock.DeleteObject());
        EXPECT_EQ(nullptr, stock.m_hObject);
    }
    Canvas canvas(4, 4);
    canvas.dc.FillRect(CRect(0, 0, 2, 2), CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH))));
    EXPECT_EQ(RGB(0, 0, 0), canvas.At(1, 1));
}

TEST(HandleTest, DCsCreatedAreDeletedButAttachedOnesAreNot) {
    HDC created;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        created = dc;
        EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(created));
        EXPECT_EQ(&dc, CDC::FromHandle(created));
    }
    EXPECT_EQ(0u, ::GetObjectType(created));

    HDC foreign = ::CreateCompatibleDC(nullptr);
    {
        CDC dc;
        ASSERT_TRUE(dc.Attach(foreign));
    }
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(foreign));
    ::DeleteDC(foreign);
}

TEST(HandleTest, CreatingIntoAnObjectThatHoldsAHandleAssertsAndMakesNothing) {
    CPen pen(PS_SOLID, 1, kRed);
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CImageList list;
    ASSERT_TRUE(list.Create(8, 8, ILC_COLOR24, 1, 1));
    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    const HGDIOBJ heldPen = pen.m_hObject;
    const HDC heldDC = dc.m_hDC;
    const HIMAGELIST heldList = list.m_hImageList;
    const HMENU heldMenu = menu.m_hMenu;

    ImportPatch penPatch("Framework.dll", "CreatePen", reinterpret_cast<void*>(&CountedCreatePen));
    ImportPatch dcPatch("Framework.dll", "CreateCompatibleDC", reinterpret_cast<void*>(&CountedCreateCompatibleDC));
    ImportPatch listPatch("Framework.dll", "ImageList_Create", reinterpret_cast<void*>(&CountedImageListCreate));
    ImportPatch menuPatch("Framework.dll", "CreatePopupMenu", reinterpret_cast<void*>(&CountedCreatePopupMenu));
    ASSERT_TRUE(penPatch.IsActive() && dcPatch.IsActive() && listPatch.IsActive() && menuPatch.IsActive());
    g_made = 0;
    AssertCapture asserts;
    EXPECT_FALSE(pen.CreatePen(PS_SOLID, 2, kBlue));
    EXPECT_FALSE(dc.CreateCompatibleDC(nullptr));
    EXPECT_FALSE(list.Create(8, 8, ILC_COLOR24, 1, 1));
    EXPECT_FALSE(menu.CreatePopupMenu());
    EXPECT_FALSE(pen.CreateStockObject(BLACK_PEN));
    HDC foreign = ::CreateCompatibleDC(nullptr);
    EXPECT_FALSE(dc.Attach(foreign));
    ::DeleteDC(foreign);
    EXPECT_EQ(0, g_made) << "nothing made, so nothing leaked";
    EXPECT_EQ(heldPen, pen.m_hObject);
    EXPECT_EQ(heldDC, dc.m_hDC);
    EXPECT_EQ(heldList, list.m_hImageList);
    EXPECT_EQ(heldMenu, menu.m_hMenu);
    if (AssertionsAreLive()) {
        EXPECT_EQ(6, asserts.Count());
    }
}

TEST(HandleTest, TemporaryWrappersLastUntilTheTempMapsAreEmptied) {
    HPEN raw = ::CreatePen(PS_DASH, 1, kBlue);
    CPen* first = CPen::FromHandle(raw);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, CPen::FromHandle(raw));
    EXPECT_EQ(first, CGdiObject::FromHandle(raw));
    EXPECT_TRUE(first->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_TRUE(CGdiObject::FromHandle(::GetStockObject(DEFAULT_GUI_FONT))->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_EQ(nullptr, CGdiObject::FromHandle(nullptr));

    HDC rawDC = ::CreateCompatibleDC(nullptr);
    CDC* tempDC = CDC::FromHandle(rawDC);
    EXPECT_EQ(tempDC, CDC::FromHandle(rawDC));
    EXPECT_EQ(rawDC, tempDC->m_hAttribDC);

    AfxDeleteTempMaps();
    // The handles outlive their temporary wrappers.
    EXPECT_EQ(static_cast<DWORD>(OBJ_PEN), ::GetObjectType(raw));
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(rawDC));
    EXPECT_EQ(raw, CPen::FromHandle(raw)->m_hObject);

    // Attaching takes over from the temporary wrapper.
    {
        CPen owner;
        ASSERT_TRUE(owner.Attach(raw));
        EXPECT_EQ(&owner, CPen::FromHandle(raw));
        CDC dc;
        ASSERT_TRUE(dc.Attach(rawDC));
        EXPECT_EQ(&dc, CDC::FromHandle(rawDC));
        EXPECT_EQ(rawDC, dc.Detach());
    }
    EXPECT_EQ(0u, ::GetObjectType(raw));
    ::DeleteDC(rawDC);
    AfxDeleteTempMaps();
}

TEST(HandleTest, BitmapsKnowTheirSizeAndMissingResourcesFail) {
    Canvas canvas(8, 8);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&canvas.dc, 12, 7));
    BITMAP info = {};
    ASSERT_NE(0, bitmap.GetBitmap(&info));
    EXPECT_EQ(12, info.bmWidth);
    EXPECT_EQ(7, info.bmHeight);
    // The default bitmap of a fresh memory DC comes back as a CBitmap.
    EXPECT_TRUE(canvas.oldBitmap->IsKindOf(RUNTIME_CLASS(CBitmap)));

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(31999));
    EXPECT_EQ(nullptr, missing.m_hObject);
}

TEST(ClientDCTest, TakesAndReleasesTheScreen) {
    CClientDC screen(nullptr);
    ASSERT_NE(nullptr, screen.m_hDC);
    EXPECT_EQ(&screen, CDC::FromHandle(screen));
    EXPECT_EQ(ScreenLogPixelsY(), screen.GetDeviceCaps(LOGPIXELSY));
}

namespace {
// A window that paints through CPaintDC and notes what it got.
class CPaintProbe : public CWnd {
public:
    int paints = 0;
    bool dcMatchesPaintStruct = false;
    CRect paintRect;

protected:
    afx_msg void OnPaint() {
        CPaintDC dc(this);
        ++paints;
        dcMatchesPaintStruct = dc.m_hDC != nullptr && dc.m_hDC == dc.m_ps.hdc;
        paintRect = dc.m_ps.rcPaint;
        dc.FillSolidRect(&dc.m_ps.rcPaint, kBlue);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintProbe, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()
}  // namespace

TEST(PaintDCTest, PaintingValidatesTheUpdateRegion) {
    CPaintProbe wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, AfxRegisterWndClass(0), "paint", WS_POPUP | WS_VISIBLE, 0, 0, 60, 40, nullptr, nullptr));
    wnd.UpdateWindow();
    int before = wnd.paints;
    ::InvalidateRect(wnd.m_hWnd, CRect(5, 5, 20, 15), FALSE);
    wnd.UpdateWindow();
    EXPECT_EQ(before + 1, wnd.paints);
    EXPECT_TRUE(wnd.dcMatchesPaintStruct);
    EXPECT_EQ(CRect(5, 5, 20, 15), wnd.paintRect);
    // EndPaint ran: nothing is left to paint.
    EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, nullptr, FALSE));
    EXPECT_TRUE(wnd.DestroyWindow());
}

namespace {
// A 32 x 16 bitmap: a red square on the left, a blue one on the right.
void MakeTwoSquares(CBitmap& bitmap) {
    DWORD bits[16][32];
    for (auto& row : bits) {
        for (int x = 0; x < 32; ++x) row[x] = x < 16 ? 0x00FF0000 : 0x000000FF;  // 0x00RRGGBB
    }
    bitmap.CreateBitmap(32, 16, 1, 32, bits);
}
}  // namespace

TEST(ImageListTest, AddCountDrawAndRemove) {
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_EQ(0, list.GetImageCount());
    CBitmap squares;
    MakeTwoSquares(squares);
    EXPECT_EQ(0, list.Add(&squares, static_cast<CBitmap*>(nullptr)));
    EXPECT_EQ(2, list.Add(&squares, kRed));  // red becomes transparent
    EXPECT_EQ(4, list.GetImageCount());
    IMAGEINFO info = {};
    ASSERT_TRUE(list.GetImageInfo(1, &info));
    EXPECT_EQ(16, info.rcImage.right - info.rcImage.left);

    Canvas canvas(48, 16);
    canvas.dc.FillSolidRect(0, 0, 48, 16, kGreen);
    EXPECT_TRUE(list.Draw(&canvas.dc, 0, CPoint(0, 0), ILD_NORMAL));
    EXPECT_TRUE(list.Draw(&canvas.dc, 1, CPoint(16, 0), ILD_NORMAL));
    EXPECT_TRUE(list.Draw(&canvas.dc, 2, CPoint(32, 0), ILD_TRANSPARENT));
    EXPECT_EQ(kRed, canvas.At(8, 8));
    EXPECT_EQ(kBlue, canvas.At(24, 8));
    EXPECT_EQ(kGreen, canvas.At(40, 8));  // the masked red let the background through

    EXPECT_TRUE(list.Remove(0));
    EXPECT_EQ(3, list.GetImageCount());
}

TEST(ImageListTest, HandlesWrappersAndMissingBitmaps) {
    HIMAGELIST raw;
    {
        CImageList list;
        ASSERT_TRUE(list.Create(8, 8, ILC_COLOR24, 1, 1));
        EXPECT_EQ(&list, CImageList::FromHandle(list));
        raw = list.Detach();
    }
    // Detached: alive, and wrapped by a temporary object until idle.
    EXPECT_EQ(0, ImageList_GetImageCount(raw));
    CImageList* temp = CImageList::FromHandle(raw);
    EXPECT_EQ(temp, CImageList::FromHandle(raw));
    AfxDeleteTempMaps();
    EXPECT_EQ(0, ImageList_GetImageCount(raw));
    ImageList_Destroy(raw);

    CImageList missing;
    EXPECT_FALSE(missing.Create(31999u, 16, 1, kRed));
    EXPECT_EQ(nullptr, missing.m_hImageList);
}
