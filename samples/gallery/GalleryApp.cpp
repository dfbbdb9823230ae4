// GalleryApp.cpp - VokitGallery: a frame window that shows the library.
//
//   VokitGallery.exe [/page N] [/zoom PERCENT] [/float] [/task] [/popup]
//                    [/folder PATH]
// starts on page N, at the zoom given (scrolled to the page's top), with
// the page index floating once the frame is on the screen, with the long
// task running, with the colour popup open, with PATH in the tree (the
// states the documentation's screenshots show). PATH is the rest of the
// line, spaces included.
#include "GalleryDocView.h"
#include "GalleryFrame.h"
#include "GalleryPages.h"
#include "GalleryResource.h"

#include <cstdlib>
#include <cstring>

namespace {
// Where the frame opens, so that screenshots show it whole.
const CRect kFrameRect(16, 16, 16 + 960, 16 + 700);

struct StartOptions {
    int page = 0;
    int zoom = 0;  // 0: the page's own
    bool floatIndex = false;
    bool task = false;
};

StartOptions ParseOptions(const char* commandLine) {
    StartOptions options;
    CString line(commandLine ? commandLine : "");
    char* context = nullptr;
    char* buffer = line.GetBuffer(line.GetLength());
    for (char* word = strtok_s(buffer, " \t", &context); word; word = strtok_s(nullptr, " \t", &context)) {
        if (_stricmp(word, "/float") == 0) {
            options.floatIndex = true;
        } else if (_stricmp(word, "/task") == 0) {
            options.task = true;
        } else if (_stricmp(word, "/popup") == 0) {
            GalleryStartOptions().openPopup = true;
        } else if (_stricmp(word, "/folder") == 0) {
            // The rest of the line (the context points behind the word).
            GalleryStartOptions().folder = context ? context : "";
            GalleryStartOptions().folder.TrimLeft(" \t\"");
            GalleryStartOptions().folder.TrimRight(" \t\"");
            break;
        } else if (_stricmp(word, "/zoom") == 0 || _stricmp(word, "/page") == 0) {
            bool zoom = _stricmp(word, "/zoom") == 0;
            char* value = strtok_s(nullptr, " \t", &context);
            int number = value ? std::atoi(value) : 0;
            (zoom ? options.zoom : options.page) = number;
        }
    }
    line.ReleaseBuffer(0);
    return options;
}
}  // namespace

class CGalleryApp : public CWinApp {
public:
    BOOL InitInstance() override {
        StartOptions options = ParseOptions(m_lpCmdLine);
        if (GalleryStartOptions().folder.IsEmpty()) {
            CString program = _GetModuleFileName();
            GalleryStartOptions().folder =
                program.Left(program.GetLength() - _GetFullPathToFileName(program).GetLength() - 1);
        }
        auto* pFrame = new CGalleryFrame;
        CCreateContext context;
        context.m_pNewViewClass = GalleryPageAt(0).pViewClass;
        if (!pFrame->LoadFrame(IDR_GALLERY, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) return FALSE;
        m_pMainWnd = pFrame;
        pFrame->MoveWindow(kFrameRect);
        pFrame->InitialUpdateFrame(nullptr, TRUE);
        if (options.page > 0 && options.page < GalleryPageCount()) {
            pFrame->m_wndIndex.m_wndList.SetItemState(options.page, LVIS_SELECTED | LVIS_FOCUSED,
                                                      LVIS_SELECTED | LVIS_FOCUSED);
        }
        auto* pView = dynamic_cast<CGalleryDocView*>(pFrame->GetActiveView());
        if (pView && options.zoom > 0) {
            pView->SetZoom(options.zoom);
            pView->ScrollToPosition(CPoint(0, 0));
        }
        if (options.floatIndex) pFrame->FloatIndexSoon();
        if (options.task) pFrame->StartLongTask();
        return TRUE;
    }
};

CGalleryApp theApp;
