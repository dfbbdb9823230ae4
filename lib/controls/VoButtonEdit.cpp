// VoButtonEdit.cpp - the path field with its "..." chooser button.
#include "VoButtonEdit.h"

#include "VoDpi.h"
#include "VoPath.h"

BEGIN_MESSAGE_MAP(CVoButtonEdit, CWnd)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_WM_SIZE()
    // Click notifications carry the low 16 bits of the button's identifier.
    ON_BN_CLICKED(LOWORD(CVoButtonEdit::IDC_VO_BUTTON), OnVoButtom)
END_MESSAGE_MAP()

namespace {

const char kDefaultFilter[] = "All Files (*.*)|*.*||";
// Background of the inner edit: pale yellow.
const COLORREF kEditBkColor = RGB(255, 255, 128);
// Size of the file-name buffer of the file dialog.
const int kFileNameBufferSize = 512;

}  // namespace

CVoButtonEdit::CVoButtonEdit() : m_type(BT_FOLDER), m_strFilter(kDefaultFilter) {}

CVoButtonEdit::~CVoButtonEdit() = default;

bool CVoButtonEdit::Make(ButtonType type) {
    if (!m_hWnd) return false;
    CRect client;
    GetClientRect(&client);
    CRect editRect;
    CRect buttonRect;
    PlaceChildren(client, &editRect, &buttonRect);

    if (!m_edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, editRect, this, IDC_VO_EDIT)) return false;
    m_edit.SetBkColor(kEditBkColor);
    if (!m_button.Create("...", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, buttonRect, this, IDC_VO_BUTTON))
        return false;
    m_type = type;
    return true;
}

bool CVoButtonEdit::EnableWindow(bool enable) {
    if (m_button.m_hWnd) m_button.EnableWindow(enable ? TRUE : FALSE);
    return m_edit.EnableWindow(enable);
}

void CVoButtonEdit::SetTextColor(COLORREF color) { m_edit.SetTextColor(color); }

void CVoButtonEdit::SetBkColor(COLORREF color) { m_edit.SetBkColor(color); }

void CVoButtonEdit::SetFileFilter(const char* filter) { m_strFilter = filter; }

// Tab and Enter (and the code 0xFFFF) in any key message of the composite
// or its children repaint both children and put the focus into the edit;
// the message then goes on as usual.
BOOL CVoButtonEdit::PreTranslateMessage(MSG* pMsg) {
    const BOOL result = CWnd::PreTranslateMessage(pMsg);
    const bool isKey = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    const bool isFocusKey = pMsg->wParam == VK_TAB || pMsg->wParam == VK_RETURN || pMsg->wParam == 0xFFFF;
    if (isKey && isFocusKey && m_edit.m_hWnd) {
        if (m_button.m_hWnd) m_button.Invalidate(TRUE);
        m_edit.Invalidate(TRUE);
        m_edit.SetFocus();
    }
    return result;
}

LRESULT CVoButtonEdit::OnSetText(WPARAM wParam, LPARAM lParam) { return ForwardToEdit(WM_SETTEXT, wParam, lParam); }

LRESULT CVoButtonEdit::OnGetText(WPARAM wParam, LPARAM lParam) { return ForwardToEdit(WM_GETTEXT, wParam, lParam); }

LRESULT CVoButtonEdit::OnGetTextLength(WPARAM wParam, LPARAM lParam) {
    return ForwardToEdit(WM_GETTEXTLENGTH, wParam, lParam);
}

void CVoButtonEdit::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (!m_hWnd || !m_edit.m_hWnd) return;
    CRect client;
    GetClientRect(&client);
    CRect editRect;
    CRect buttonRect;
    PlaceChildren(client, &editRect, &buttonRect);
    m_edit.MoveWindow(&editRect, TRUE);
    if (m_button.m_hWnd) m_button.MoveWindow(&buttonRect, TRUE);
}

void CVoButtonEdit::OnVoButtom() {
    switch (m_type) {
    case BT_FOLDER:
        ChooseFolder();
        break;
    case BT_FILE:
        ChooseFile();
        break;
    default:
        break;
    }
}

LRESULT CVoButtonEdit::ForwardToEdit(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_edit.m_hWnd ? m_edit.SendMessage(message, wParam, lParam) : 0;
}

// The button takes the right BUTTON_WIDTH pixels (of a 96-DPI screen; more
// on finer screens) at full height, less when the client area is narrower;
// the edit the rest.
void CVoButtonEdit::PlaceChildren(const RECT& client, CRect* editRect, CRect* buttonRect) const {
    int split = client.right - _ScaleDpi(BUTTON_WIDTH, _GetScreenDpi());
    if (split < client.left) split = client.left;
    editRect->SetRect(client.left, client.top, split, client.bottom);
    buttonRect->SetRect(split, client.top, client.right, client.bottom);
}

// The folder chooser, started at the folder in the edit; a cancelled choice
// leaves the text as it is.
void CVoButtonEdit::ChooseFolder() {
    CString text;
    m_edit.GetWindowText(text);
    const CString folder = _FolderDlg(text, nullptr);
    if (!folder.IsEmpty()) m_edit.SetWindowText(folder);
}

// The file-open dialog, started in the folder of the edit's path with its
// file name preset. The name buffer's last byte always stays the
// terminator, so a longer name is cut rather than overrun.
void CVoButtonEdit::ChooseFile() {
    CString text;
    m_edit.GetWindowText(text);
    const CString folder = _GetFullPathToPath(text);
    char name[kFileNameBufferSize] = {};
    _GetFullPathToFileName(text, name, kFileNameBufferSize - 1);

    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, m_strFilter, nullptr);
    dialog.m_ofn.lpstrInitialDir = folder;
    dialog.m_ofn.lpstrFile = name;
    dialog.m_ofn.nMaxFile = kFileNameBufferSize;
    if (dialog.DoModal() == IDOK) m_edit.SetWindowText(dialog.GetPathName());
}
