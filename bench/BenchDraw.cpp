// BenchDraw: the cost of the drawing helpers against bare GDI.
//
// Two measurements, each against the same work done with plain GDI calls,
// in rounds whose order alternates; the ratio is the median of the rounds'
// ratios.
//   - CMemDC over a 1,000 x 1,000 window: a background, 400 filled
//     rectangles and a line grid drawn off-screen and copied to the window,
//     against CreateCompatibleDC, CreateCompatibleBitmap, the same drawing,
//     BitBlt and clean-up.
//   - A full repaint of a 1,000 x 30 CGradientProgressCtrl (red to blue:
//     255 colour steps, with its percentage) against a plain window of the
//     platform whose WM_PAINT draws the same steps, copy and text.
#include "BenchSupport.h"

#include "Vokit.h"

#include <cstdio>

namespace {

const int kRounds = 15;
const int kPaintsPerRound = 20;
const int kRepaintsPerRound = 200;
const double kGoalRatio = 1.20;
const int kArea = 1000;

// What both sides draw off-screen, in plain GDI calls on hDC.
void DrawScene(HDC hDC) {
    RECT all = {0, 0, kArea, kArea};
    ::SetBkColor(hDC, RGB(240, 240, 240));
    ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    for (int i = 0; i < 400; ++i) {
        RECT box = {(i % 20) * 50 + 5, (i / 20) * 50 + 5, (i % 20) * 50 + 45, (i / 20) * 50 + 45};
        ::SetBkColor(hDC, RGB(i % 256, (i * 7) % 256, (i * 13) % 256));
        ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
    }
    for (int x = 0; x < kArea; x += 50) {
        ::MoveToEx(hDC, x, 0, nullptr);
        ::LineTo(hDC, x, kArea);
        ::MoveToEx(hDC, 0, x, nullptr);
        ::LineTo(hDC, kArea, x);
    }
}

double PaintWithMemDC(HWND hWnd) {
    const double start = bench::NowMs();
    for (int i = 0; i < kPaintsPerRound; ++i) {
        CClientDC dc(CWnd::FromHandle(hWnd));
        CMemDC mem(&dc);
        DrawScene(mem->m_hDC);
    }
    return bench::NowMs() - start;
}

double PaintWithGdi(HWND hWnd) {
    const double start = bench::NowMs();
    for (int i = 0; i < kPaintsPerRound; ++i) {
        HDC hDC = ::GetDC(hWnd);
        RECT clip;
        ::GetClipBox(hDC, &clip);
        HDC hMem = ::CreateCompatibleDC(hDC);
        HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, clip.right - clip.left, clip.bottom - clip.top);
        HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        ::SetWindowOrgEx(hMem, clip.left, clip.top, nullptr);
        DrawScene(hMem);
        ::BitBlt(hDC, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, hMem, clip.left, clip.top,
                 SRCCOPY);
        ::SelectObject(hMem, hOld);
        ::DeleteObject(hBitmap);
        ::DeleteDC(hMem);
        ::ReleaseDC(hWnd, hDC);
    }
    return bench::NowMs() - start;
}

// The bar's picture by hand, in the WM_PAINT of a plain window: 255
// one-colour steps up to the middle, the background, the percentage.
void PaintGradientByHand(HWND hWnd) {
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(hWnd, &ps);
    RECT client;
    ::GetClientRect(hWnd, &client);
    HDC hMem = ::CreateCompatibleDC(hDC);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hDC, client.right, client.bottom);
    HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
    const float width = static_cast<float>(client.right) / 255.0f;
    for (int step = 0; step < 255; ++step) {
        RECT rect = {static_cast<int>(width * static_cast<float>(step)), 0,
                     static_cast<int>(width * static_cast<float>(step + 1)), client.bottom};
        ::SetBkColor(hMem, RGB(255 - step, 0, step));
        ::ExtTextOutA(hMem, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
        if (rect.right > client.right / 2) {
            RECT rest = {rect.right, 0, client.right, client.bottom};
            ::SetBkColor(hMem, ::GetSysColor(COLOR_BTNFACE));
            ::ExtTextOutA(hMem, 0, 0, ETO_OPAQUE, &rest, nullptr, 0, nullptr);
            break;
        }
    }
    ::BitBlt(hDC, 0, 0, client.right, client.bottom, hMem, 0, 0, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hMem);
    HGDIOBJ hOldFont = ::SelectObject(hDC, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, RGB(255, 255, 255));
    ::DrawTextA(hDC, "50%", -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(hDC, hOldFont);
    ::EndPaint(hWnd, &ps);
}

LRESULT CALLBACK PlainBarProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintGradientByHand(hWnd);
        return 0;
    case WM_ERASEBKGND:
        return TRUE;
    default:
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

// A plain window of the platform that paints the same picture.
HWND CreatePlainBar(HWND hWndParent) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &PlainBarProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchPlainGradient";
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(0, wc.lpszClassName, nullptr, WS_CHILD | WS_VISIBLE, 0, 40, kArea, 30, hWndParent, nullptr,
                             wc.hInstance, nullptr);
}

double Repaint(HWND hWnd) {
    const double start = bench::NowMs();
    for (int i = 0; i < kRepaintsPerRound; ++i) ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return bench::NowMs() - start;
}

void Report(const char* what, const char* baseline, std::vector<double>& ours, std::vector<double>& bare,
            std::vector<double>& ratios, int count) {
    bench::Result(std::string(what) + ", " + std::to_string(count) + " times", bench::Median(ours), "ms");
    bench::Result(std::string(baseline) + ", " + std::to_string(count) + " times", bench::Median(bare), "ms");
    const double ratio = bench::Median(ratios);
    char goal[32];
    std::snprintf(goal, sizeof goal, "<= %.2f", kGoalRatio);
    bench::Result(std::string(what) + " / bare GDI", ratio, "x", goal, ratio <= kGoalRatio);
}

}  // namespace

int main() {
    CWnd canvas;
    if (!canvas.CreateEx(0, AfxRegisterWndClass(0), "BenchDraw", WS_POPUP | WS_VISIBLE, 0, 0, kArea, kArea, nullptr,
                         nullptr)) {
        std::fprintf(stderr, "cannot create the window\n");
        return 1;
    }
    CGradientProgressCtrl bar;
    if (!bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, kArea, 30), &canvas, 1)) {
        std::fprintf(stderr, "cannot create the progress bar\n");
        return 1;
    }
    bar.ShowPercent(TRUE);
    bar.SetPos(50);
    HWND hPlainBar = CreatePlainBar(canvas);
    canvas.UpdateWindow();

    std::vector<double> memTimes, gdiTimes, memRatios, barTimes, barGdiTimes, barRatios;
    for (int round = 0; round < kRounds; ++round) {
        double mem = 0, gdi = 0, ctrl = 0, bare = 0;
        if (round % 2) {
            mem = PaintWithMemDC(canvas);
            gdi = PaintWithGdi(canvas);
            ctrl = Repaint(bar);
            bare = Repaint(hPlainBar);
        } else {
            gdi = PaintWithGdi(canvas);
            mem = PaintWithMemDC(canvas);
            bare = Repaint(hPlainBar);
            ctrl = Repaint(bar);
        }
        AfxDeleteTempMaps();
        std::printf("  round %d: CMemDC %.1f ms, GDI %.1f ms; gradient bar %.1f ms, GDI %.1f ms\n", round + 1, mem, gdi,
                    ctrl, bare);
        memTimes.push_back(mem);
        gdiTimes.push_back(gdi);
        memRatios.push_back(mem / gdi);
        barTimes.push_back(ctrl);
        barGdiTimes.push_back(bare);
        barRatios.push_back(ctrl / bare);
    }
    Report("CMemDC paint of 1000 x 1000", "bare GDI off-screen paint of 1000 x 1000", memTimes, gdiTimes, memRatios,
           kPaintsPerRound);
    Report("gradient bar repaint 1000 x 30", "bare GDI gradient repaint 1000 x 30", barTimes, barGdiTimes, barRatios,
           kRepaintsPerRound);
    return 0;
}
