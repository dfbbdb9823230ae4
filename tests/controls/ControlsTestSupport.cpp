// ControlsTestSupport.cpp - dialog, pump, input and modal answers of the
// control tests.
#include "ControlsTestSupport.h"

bool CControlsDialog::Open() {
    if (!Create(IDD_CONTROLS)) return false;
    ShowWindow(SW_SHOW);
    SetForegroundWindow();
    Pump();
    return true;
}

BOOL CControlsDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (onInit) onInit(*this);
    return TRUE;
}

void CControlsDialog::OnCancel() {
    focusIdAtCancel = ::GetDlgCtrlID(::GetFocus());
    CDialog::OnCancel();
}

namespace {

FakeModal* g_pModal = nullptr;

void CALLBACK OnDialog(CWnd* pDialog) {
    if (g_pModal->script) g_pModal->script(pDialog);
}

BOOL CALLBACK OnFolder(LPCSTR lpszInitialFolder, LPSTR path) {
    g_pModal->asked.push_back(lpszInitialFolder);
    lstrcpynA(path, g_pModal->answer.c_str(), MAX_PATH);
    return g_pModal->ok;
}

BOOL CALLBACK OnFile(OPENFILENAMEA* ofn, BOOL) {
    g_pModal->lastFile = *ofn;
    g_pModal->lastFilter = ofn->lpstrFilter ? ofn->lpstrFilter : "";
    g_pModal->asked.push_back(std::string(ofn->lpstrInitialDir) + "|" + ofn->lpstrFile);
    if (g_pModal->ok) lstrcpynA(ofn->lpstrFile, g_pModal->answer.c_str(), static_cast<int>(ofn->nMaxFile));
    return g_pModal->ok;
}

BOOL CALLBACK OnColor(CHOOSECOLORA* cc) {
    g_pModal->lastColor = *cc;
    cc->rgbResult = g_pModal->colorAnswer;  // also on Cancel, where it must not be taken
    return g_pModal->ok;
}

}  // namespace

FakeModal::FakeModal() {
    AFX_MODAL_HANDLERS handlers = {&OnDialog, nullptr, &OnColor, &OnFile, &OnFolder};
    previous = AfxSetModalHandlers(&handlers);
    g_pModal = this;
}

FakeModal::~FakeModal() {
    AfxSetModalHandlers(&previous);
    g_pModal = nullptr;
}

void Pump() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) AfxDispatchMessage(&msg);
}

void PressKey(UINT vk) {
    HWND hWnd = ::GetFocus();
    ::PostMessageA(hWnd, WM_KEYDOWN, vk, 1);
    ::PostMessageA(hWnd, WM_KEYUP, vk, 0xC0000001);
    Pump();
}

void TypeChars(const std::string& bytes) {
    for (unsigned char c : bytes) {
        ::PostMessageA(::GetFocus(), WM_CHAR, c, 1);
        Pump();
    }
}

std::string WindowText(HWND hWnd) {
    char text[1024] = {};
    ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

std::vector<std::string> ListItems(const CComboBox& box) {
    std::vector<std::string> items;
    for (int i = 0; i < box.GetCount(); ++i) {
        CString text;
        box.GetLBText(i, text);
        items.push_back(static_cast<const char*>(text));
    }
    return items;
}

CStringArray MakeArray(std::initializer_list<const char*> items) {
    CStringArray array;
    for (const char* item : items) array.Add(item);
    return array;
}

ColorReply RequestColor(HWND hWndParent, HWND hWndControl, UINT message) {
    HDC hDC = ::CreateCompatibleDC(nullptr);
    ::SetTextColor(hDC, RGB(1, 2, 3));
    ColorReply reply = {};
    reply.brush = reinterpret_cast<HBRUSH>(
        ::SendMessageA(hWndParent, message, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hWndControl)));
    LOGBRUSH logBrush = {};
    const bool solid =
        reply.brush && ::GetObjectA(reply.brush, sizeof logBrush, &logBrush) && logBrush.lbStyle == BS_SOLID;
    reply.brushColor = solid ? logBrush.lbColor : CLR_INVALID;
    reply.textColor = ::GetTextColor(hDC);
    reply.bkMode = ::GetBkMode(hDC);
    ::DeleteDC(hDC);
    return reply;
}

LOGFONTA FontOf(HWND hWnd) {
    LOGFONTA logFont = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(hWnd, WM_GETFONT, 0, 0)), sizeof logFont, &logFont);
    return logFont;
}
