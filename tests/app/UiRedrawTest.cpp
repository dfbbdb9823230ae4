// Tests of how the main dialog looks after it was resized: pixel for pixel
// as a dialog opened at that size. The pixels are read from the window's
// own device context, that is, what the window has painted and the screen
// shows, children included.
#include "UiFixture.h"

#include <cstdio>

namespace {

// The client area of a window as painted, one 0x00RRGGBB value per pixel
// (row by row from the top).
std::vector<DWORD> CaptureClient(HWND hWnd, CSize* size) {
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    *size = CSize(rc.right, rc.bottom);
    std::vector<DWORD> pixels;
    HDC hWndDC = ::GetDC(hWnd);
    HDC hMemDC = ::CreateCompatibleDC(hWndDC);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = rc.right;
    info.bmiHeader.biHeight = -rc.bottom;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hWndDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (hBitmap && bits) {
        HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
        ::BitBlt(hMemDC, 0, 0, rc.right, rc.bottom, hWndDC, 0, 0, SRCCOPY);
        ::GdiFlush();
        const DWORD* first = static_cast<const DWORD*>(bits);
        pixels.assign(first, first + static_cast<size_t>(rc.right) * rc.bottom);
        for (DWORD& pixel : pixels) pixel &= 0x00FFFFFF;  // GDI leaves the top byte undefined
        ::SelectObject(hMemDC, hOld);
        ::DeleteObject(hBitmap);
    }
    ::DeleteDC(hMemDC);
    ::ReleaseDC(hWnd, hWndDC);
    return pixels;
}

// Saves pixels as a BMP file for a person to look at when a test fails.
void SaveBitmap(const std::vector<DWORD>& pixels, CSize size, const std::string& path) {
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = size.cx;
    info.biHeight = -size.cy;
    info.biPlanes = 1;
    info.biBitCount = 32;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size() * sizeof(DWORD));
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info, sizeof info, 1, out);
        std::fwrite(pixels.data(), sizeof(DWORD), pixels.size(), out);
        std::fclose(out);
    }
}

}  // namespace

class OrdovanRedrawTest : public OrdovanUiTest {
protected:
    // What the screen shows once every pending paint is done.
    std::vector<DWORD> Shown(CSize* size = nullptr) {
        for (int i = 0; i < 3; ++i) {
            PumpMessages();
            dlg->UpdateWindow();
        }
        CSize captured;
        return CaptureClient(dlg->m_hWnd, size ? size : &captured);
    }

    // Closes the dialog and opens a new one at the rectangle it had, the way
    // a stored rectangle places it before its first paint; compares both.
    void ExpectLooksFresh(const std::string& what) {
        CSize resizedSize;
        const std::vector<DWORD> resized = Shown(&resizedSize);
        CRect rect;
        dlg->GetWindowRect(&rect);
        if (dlg->IsZoomed()) dlg->ShowWindow(SW_RESTORE);
        Close();

        const std::string prefix = Prefix();
        WriteIni("WindowSize", prefix + "DialogRect_left", std::to_string(rect.left));
        WriteIni("WindowSize", prefix + "DialogRect_top", std::to_string(rect.top));
        WriteIni("WindowSize", prefix + "DialogRect_right", std::to_string(rect.right));
        WriteIni("WindowSize", prefix + "DialogRect_bottom", std::to_string(rect.bottom));
        Open();
        CSize freshSize;
        const std::vector<DWORD> fresh = Shown(&freshSize);
        ASSERT_EQ(freshSize, resizedSize) << what;
        ASSERT_FALSE(fresh.empty()) << what;
        size_t differing = 0;
        for (size_t i = 0; i < fresh.size(); ++i) differing += fresh[i] != resized[i];
        EXPECT_EQ(0u, differing) << what << ": see " << what << "-resized.bmp and " << what
                                 << "-fresh.bmp in the working folder";
        if (differing) {
            SaveBitmap(resized, resizedSize, what + "-resized.bmp");
            SaveBitmap(fresh, freshSize, what + "-fresh.bmp");
        }
    }
};

// Old group-box frame lines, check boxes cut by a group box's top line,
// folder buttons painted over by their field: none of it may stay.
TEST_F(OrdovanRedrawTest, AfterDraggingOrMaximisingTheDialogLooksAsIfOpenedAtThatSize) {
    Open();
    CRect start;
    dlg->GetWindowRect(&start);
    Shown();
    // A drag of the corner: out in steps, then partly back.
    const int steps[] = {20, 40, 60, 80, 100, 120, 140, 110, 70};
    for (int step : steps) {
        dlg->SetWindowPos(nullptr, 0, 0, start.Width() + step * 2, start.Height() + step, SWP_NOMOVE | SWP_NOZORDER);
        PumpMessages();
    }
    ExpectLooksFresh("dragged");

    dlg->ShowWindow(SW_MAXIMIZE);
    ExpectLooksFresh("maximised");
}
