// VoChoosers.cpp - the folder and colour choosers. Both ask the framework's
// modal handlers first (tests answer them there), else show the platform's
// dialogs.
#include "VoPath.h"

#include <afxwin.h>
#include <shlobj.h>

#include <cstring>

namespace {

const char kDefaultPrompt[] = "フォルダを選択してください";
const char kBrowseCaption[] = "フォルダの参照";
// Internal buffer of the string form of _FolderDlg.
const int kFolderBufferSize = 260;

// What the folder browser's callback needs.
struct BrowseContext {
    const char* initialFolder;
    IMalloc* pMalloc;  // the shell's allocator
};

// Preselects folder in the browser hWnd.
void SelectFolder(HWND hWnd, const BrowseContext& context) {
    WCHAR wide[MAX_PATH] = {};
    if (!::MultiByteToWideChar(CP_ACP, 0, context.initialFolder, -1, wide, MAX_PATH)) return;  // too long
    IShellFolder* pDesktop = nullptr;
    if (FAILED(::SHGetDesktopFolder(&pDesktop)) || !pDesktop) return;
    LPITEMIDLIST pidl = nullptr;
    ULONG eaten = 0;
    if (SUCCEEDED(pDesktop->ParseDisplayName(hWnd, nullptr, wide, &eaten, &pidl, nullptr)) && pidl) {
        ::SendMessageA(hWnd, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(pidl));
        context.pMalloc->Free(pidl);
    }
    pDesktop->Release();
}

// Sets the caption and the preselected folder when the browser starts.
int CALLBACK BrowseCallback(HWND hWnd, UINT message, LPARAM lParam, LPARAM data) {
    (void)lParam;
    if (message != BFFM_INITIALIZED) return 0;
    ::SetWindowTextA(hWnd, kBrowseCaption);
    const BrowseContext* context = reinterpret_cast<const BrowseContext*>(data);
    if (context->initialFolder[0] != '\0') SelectFolder(hWnd, *context);
    return 0;
}

// The platform's folder browser; true with the chosen file-system folder in
// path (MAX_PATH bytes), false when cancelled or when the item chosen has
// no file-system path.
bool BrowseForFolder(const char* initialFolder, const char* prompt, char* path) {
    IMalloc* pMalloc = nullptr;
    if (FAILED(::SHGetMalloc(&pMalloc)) || !pMalloc) return false;
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWndOwner = pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr;

    bool chosen = false;
    LPITEMIDLIST pidlRoot = nullptr;
    if (SUCCEEDED(::SHGetSpecialFolderLocation(hWndOwner, CSIDL_DESKTOP, &pidlRoot)) && pidlRoot) {
        char* name = static_cast<char*>(pMalloc->Alloc(MAX_PATH));
        if (name) {
            BrowseContext context = {initialFolder, pMalloc};
            BROWSEINFOA info = {};
            info.hwndOwner = hWndOwner;
            info.pidlRoot = pidlRoot;
            info.pszDisplayName = name;
            info.lpszTitle = prompt;
            info.ulFlags = 0;
            info.lpfn = BrowseCallback;
            info.lParam = reinterpret_cast<LPARAM>(&context);
            LPITEMIDLIST pidl = ::SHBrowseForFolderA(&info);
            if (pidl) {
                chosen = ::SHGetPathFromIDListA(pidl, path) && path[0] != '\0';
                pMalloc->Free(pidl);
            }
            pMalloc->Free(name);
        }
        pMalloc->Free(pidlRoot);
    }
    pMalloc->Release();
    return chosen;
}

// The test handler or the platform's browser; true with a non-empty folder
// in path (MAX_PATH bytes, always terminated).
bool ChooseFolder(const char* initialFolder, const char* prompt, char* path) {
    const AFX_MODAL_HANDLERS& handlers = AfxGetModalHandlers();
    if (!handlers.pfnFolder) return BrowseForFolder(initialFolder, prompt, path);
    if (!handlers.pfnFolder(initialFolder, path)) return false;
    path[MAX_PATH - 1] = '\0';
    return path[0] != '\0';
}

}  // namespace

void _FolderDlg(char* dst, int len, const char* initialFolder, const char* prompt) {
    if (!dst || len <= 0) return;
    char path[MAX_PATH] = {};
    if (ChooseFolder(initialFolder ? initialFolder : "", prompt ? prompt : kDefaultPrompt, path))
        strncpy(dst, path, static_cast<size_t>(len));  // zero-filled; no terminator when it fills len
}

CString _FolderDlg(const char* initialFolder, const char* prompt) {
    char buffer[kFolderBufferSize] = {};
    _FolderDlg(buffer, kFolderBufferSize - 1, initialFolder, prompt);  // the last byte stays the terminator
    return CString(buffer);
}

COLORREF _ColorDlg(COLORREF initial) {
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = nullptr;
    cc.rgbResult = initial;
    cc.lpCustColors = CColorDialog::GetSavedCustomColors();
    cc.Flags = CC_RGBINIT;
    const AFX_MODAL_HANDLERS& handlers = AfxGetModalHandlers();
    const BOOL ok = handlers.pfnColor ? handlers.pfnColor(&cc) : ::ChooseColorA(&cc);
    return ok ? cc.rgbResult : initial;
}
