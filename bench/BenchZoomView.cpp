// BenchZoomView - paints the gallery's sample page in a CZoomView at 100 %,
// 50 % and 5 % against a bare window procedure that makes the same GDI
// calls (erase, the area outside the page, the scaling mapping, the page).
//   BenchZoomView [paints per round]
// Goal: the view takes at most 1.2 times the bare window's time.
#include "BenchSupport.h"
#include "GalleryDrawing.h"
#include "Vokit.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
const int kRounds = 15;
const int kDefaultPaints = 80;
const CSize kClient(600, 450);
const double kGoal = 1.2;

class CBenchZoomView : public CZoomView {
    DECLARE_DYNCREATE(CBenchZoomView)
public:
    CSize GetDocSize() override { return CSize(gallery::kPageWidth, gallery::kPageHeight); }
    void OnDraw(CDC* pDC) override { gallery::DrawSamplePage(pDC->m_hDC); }

protected:
    CBenchZoomView() = default;
};
IMPLEMENT_DYNCREATE(CBenchZoomView, CZoomView)

// What the bare window draws with: the zoom and the page's device size.
struct BareState {
    int percent = 100;
    SIZE total = {0, 0};
} g_bare;

LRESULT CALLBACK BareWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        HDC hDC = reinterpret_cast<HDC>(wParam);
        RECT client;
        ::GetClientRect(hWnd, &client);
        ::FillRect(hDC, &client, ::GetSysColorBrush(COLOR_WINDOW));
        HBRUSH outside = ::GetSysColorBrush(COLOR_APPWORKSPACE);
        if (g_bare.total.cx < client.right) {
            RECT right = {std::max<LONG>(g_bare.total.cx, client.left), client.top, client.right, client.bottom};
            ::FillRect(hDC, &right, outside);
        }
        if (g_bare.total.cy < client.bottom) {
            RECT bottom = {client.left, std::max<LONG>(g_bare.total.cy, client.top),
                           std::min<LONG>(g_bare.total.cx, client.right), client.bottom};
            ::FillRect(hDC, &bottom, outside);
        }
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hDC = ::BeginPaint(hWnd, &ps);
        ::SetMapMode(hDC, MM_TEXT);
        ::SetViewportOrgEx(hDC, 0, 0, nullptr);
        ::SetMapMode(hDC, MM_ANISOTROPIC);
        ::SetWindowExtEx(hDC, 100, 100, nullptr);
        ::SetViewportExtEx(hDC, g_bare.percent, g_bare.percent, nullptr);
        gallery::DrawSamplePage(hDC);
        ::EndPaint(hWnd, &ps);
        return 0;
    }
    default:
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

// One full repaint (erase and paint) of hWnd, finished on the screen.
void Repaint(HWND hWnd) {
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    ::GdiFlush();
}

// Milliseconds per paint of the view and of the bare window, their paints
// interleaved so that both meet the same load of the machine.
void TimePaints(HWND hWndView, HWND hWndBare, int paints, double& view, double& bare) {
    view = bare = 0;
    for (int i = 0; i < paints; ++i) {
        double start = bench::NowMs();
        Repaint(hWndView);
        double middle = bench::NowMs();
        Repaint(hWndBare);
        view += middle - start;
        bare += bench::NowMs() - middle;
    }
    view /= paints;
    bare /= paints;
}

HWND MakeBareWindow(const CRect& viewClient) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &BareWindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = "BenchBareWindow";
    ::RegisterClassA(&wc);
    CRect rect(CPoint(660, 20), viewClient.Size());
    ::AdjustWindowRectEx(&rect, WS_POPUP | WS_BORDER, FALSE, 0);
    return ::CreateWindowExA(0, wc.lpszClassName, "bare", WS_POPUP | WS_BORDER | WS_VISIBLE, rect.left, rect.top,
                             rect.Width(), rect.Height(), nullptr, nullptr, wc.hInstance, nullptr);
}
}  // namespace

int main(int argc, char** argv) {
    int paints = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultPaints;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CBenchZoomView);
    auto* pFrame = new CFrameWnd;
    CRect frameRect(0, 0, kClient.cx, kClient.cy);
    ::AdjustWindowRectEx(&frameRect, WS_OVERLAPPEDWINDOW, FALSE, 0);
    frameRect.OffsetRect(20 - frameRect.left, 20 - frameRect.top);
    if (!pFrame->Create(nullptr, "BenchZoomView", WS_OVERLAPPEDWINDOW | WS_VISIBLE, frameRect, nullptr, nullptr, 0,
                        &context)) {
        std::printf("could not create the frame\n");
        return 1;
    }
    pFrame->InitialUpdateFrame(nullptr, TRUE);
    auto* pView = static_cast<CBenchZoomView*>(pFrame->GetActiveView());
    HWND hWndBare = nullptr;

    bool allMet = true;
    for (int percent : {100, 50, 5}) {
        pView->SetZoomFactor(CSize(percent, percent), CSize(100, 100));
        pView->SetScrollInfo(CPoint(0, 0));
        pView->ScrollToPosition(CPoint(0, 0));
        CRect client;
        pView->GetClientRect(&client);
        if (!hWndBare) hWndBare = MakeBareWindow(client);
        ::SetWindowPos(hWndBare, nullptr, 0, 0, client.Width() + 2, client.Height() + 2, SWP_NOMOVE | SWP_NOZORDER);
        g_bare.percent = percent;
        g_bare.total = {::MulDiv(gallery::kPageWidth, percent, 100), ::MulDiv(gallery::kPageHeight, percent, 100)};

        std::vector<double> viewTimes, bareTimes, ratios;
        double view = 0, bare = 0;
        TimePaints(pView->m_hWnd, hWndBare, 2, view, bare);  // warm up fonts and caches
        for (int round = 0; round < kRounds; ++round) {
            TimePaints(pView->m_hWnd, hWndBare, paints, view, bare);
            viewTimes.push_back(view);
            bareTimes.push_back(bare);
            ratios.push_back(view / bare);
        }
        double ratio = bench::Median(ratios);
        std::printf("%3d %%: CZoomView %.3f ms, bare window %.3f ms per paint (client %ld x %ld, median of %d "
                    "rounds of %d)\n",
                    percent, bench::Median(viewTimes), bench::Median(bareTimes), static_cast<long>(client.Width()),
                    static_cast<long>(client.Height()), kRounds, paints);
        char goal[32];
        std::snprintf(goal, sizeof goal, "<= %.2f", kGoal);
        bool met = ratio <= kGoal;
        allMet = allMet && met;
        bench::Result("Paint the zoom view at " + std::to_string(percent) + " % / bare window", ratio, "x", goal, met);
    }
    ::DestroyWindow(hWndBare);
    pFrame->DestroyWindow();
    return allMet ? 0 : 1;
}
