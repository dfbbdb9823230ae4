// GalleryDrawing.cpp - the sample page: paper, grid, title, shapes, a bar
// chart and captions.
#include "GalleryDrawing.h"

namespace gallery {
namespace {
const int kMargin = 100;
const int kGridStep = 100;
const char kFontFace[] = "ＭＳ Ｐゴシック";

HFONT MakeFont(int height, int weight) {
    return ::CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, kFontFace);
}

void Text(HDC hDC, int x, int y, const char* text) { ::TextOutA(hDC, x, y, text, lstrlenA(text)); }

// Fills and outlines a shape drawn by draw with the brush and pen colours.
template <class Draw>
void Shape(HDC hDC, COLORREF fill, COLORREF line, int width, Draw draw) {
    HBRUSH brush = ::CreateSolidBrush(fill);
    HPEN pen = ::CreatePen(PS_SOLID, width, line);
    HGDIOBJ oldBrush = ::SelectObject(hDC, brush);
    HGDIOBJ oldPen = ::SelectObject(hDC, pen);
    draw();
    ::SelectObject(hDC, oldPen);
    ::SelectObject(hDC, oldBrush);
    ::DeleteObject(pen);
    ::DeleteObject(brush);
}

void DrawGrid(HDC hDC) {
    HPEN fine = ::CreatePen(PS_SOLID, 0, RGB(222, 230, 242));
    HPEN bold = ::CreatePen(PS_SOLID, 3, RGB(176, 196, 222));
    HGDIOBJ old = ::SelectObject(hDC, fine);
    for (int pass = 0; pass < 2; ++pass) {
        ::SelectObject(hDC, pass == 0 ? fine : bold);
        int step = pass == 0 ? kGridStep : kGridStep * 5;
        for (int x = kMargin; x <= kPageWidth - kMargin; x += step) {
            ::MoveToEx(hDC, x, kMargin, nullptr);
            ::LineTo(hDC, x, kPageHeight - kMargin);
        }
        for (int y = kMargin; y <= kPageHeight - kMargin; y += step) {
            ::MoveToEx(hDC, kMargin, y, nullptr);
            ::LineTo(hDC, kPageWidth - kMargin, y);
        }
    }
    ::SelectObject(hDC, old);
    ::DeleteObject(fine);
    ::DeleteObject(bold);
}

void DrawStar(HDC hDC, int cx, int cy, int outer, int inner) {
    // Ten corners alternating between the two radii (sines of 36° steps).
    static const int sin1000[10] = {0, 588, 951, 951, 588, 0, -588, -951, -951, -588};
    static const int cos1000[10] = {1000, 809, 309, -309, -809, -1000, -809, -309, 309, 809};
    POINT points[10];
    for (int i = 0; i < 10; ++i) {
        int r = i % 2 == 0 ? outer : inner;
        points[i].x = cx + r * sin1000[i] / 1000;
        points[i].y = cy - r * cos1000[i] / 1000;
    }
    ::Polygon(hDC, points, 10);
}

void DrawBarChart(HDC hDC, int left, int bottom) {
    static const int heights[] = {320, 520, 410, 680, 590, 760};
    static const COLORREF colours[] = {RGB(66, 133, 244), RGB(52, 168, 83),  RGB(251, 188, 5),
                                       RGB(234, 67, 53),  RGB(142, 68, 173), RGB(0, 150, 136)};
    for (int i = 0; i < 6; ++i) {
        int x = left + i * 120;
        Shape(hDC, colours[i], RGB(60, 60, 60), 2, [&] { ::Rectangle(hDC, x, bottom - heights[i], x + 90, bottom); });
    }
    HPEN axis = ::CreatePen(PS_SOLID, 6, RGB(60, 60, 60));
    HGDIOBJ old = ::SelectObject(hDC, axis);
    ::MoveToEx(hDC, left - 30, bottom - 820, nullptr);
    ::LineTo(hDC, left - 30, bottom);
    ::LineTo(hDC, left + 6 * 120, bottom);
    ::SelectObject(hDC, old);
    ::DeleteObject(axis);
}
}  // namespace

void DrawSamplePage(HDC hDC) {
    RECT paper = {0, 0, kPageWidth, kPageHeight};
    ::FillRect(hDC, &paper, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    DrawGrid(hDC);
    Shape(hDC, RGB(255, 255, 255), RGB(90, 90, 110), 6, [&] {
        ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
        ::Rectangle(hDC, kMargin, kMargin, kPageWidth - kMargin, kPageHeight - kMargin);
    });

    ::SetBkMode(hDC, TRANSPARENT);
    HFONT title = MakeFont(120, FW_BOLD);
    HFONT body = MakeFont(52, FW_NORMAL);
    HGDIOBJ oldFont = ::SelectObject(hDC, title);
    ::SetTextColor(hDC, RGB(31, 56, 100));
    Text(hDC, 200, 220, "Vokit ギャラリー");
    ::SelectObject(hDC, body);
    ::SetTextColor(hDC, RGB(60, 60, 60));
    Text(hDC, 200, 380, "CZoomView：Ctrl + ホイールで 5% ずつ拡大・縮小します。");
    Text(hDC, 200, 450, "左のページ一覧は CDockableViewSite です。端をドラッグして幅を変え、");
    Text(hDC, 200, 520, "つまみをドラッグして別の辺へ、またはフローティングにできます。");

    Shape(hDC, RGB(66, 133, 244), RGB(25, 70, 160), 8, [&] { ::RoundRect(hDC, 250, 700, 950, 1200, 120, 120); });
    Shape(hDC, RGB(234, 67, 53), RGB(150, 30, 20), 8, [&] { ::Ellipse(hDC, 1150, 700, 1850, 1200); });
    Shape(hDC, RGB(52, 168, 83), RGB(20, 100, 45), 8, [&] { DrawStar(hDC, 600, 1750, 380, 160); });
    DrawBarChart(hDC, 1150, 2150);

    ::SetTextColor(hDC, RGB(90, 90, 90));
    Text(hDC, 250, 1260, "角丸四角形");
    Text(hDC, 1150, 1260, "楕円");
    Text(hDC, 250, 2200, "星形（多角形）");
    Text(hDC, 1150, 2200, "棒グラフ");
    Text(hDC, 200, 2650, "論理単位 1 = 0.1 mm（A4 縦 2100 × 2970）");
    ::SelectObject(hDC, oldFont);
    ::DeleteObject(title);
    ::DeleteObject(body);
}

}  // namespace gallery
