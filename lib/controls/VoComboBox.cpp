// VoComboBox.cpp - the general combo box of the library.
#include "VoComboBox.h"

BEGIN_MESSAGE_MAP(CVoComboBox, CComboBox)
END_MESSAGE_MAP()

CVoComboBox::CVoComboBox() = default;

CVoComboBox::~CVoComboBox() = default;

// Return is recognised by its key code in the key messages of the box and
// of its edit field; other messages keep their wParam.
BOOL CVoComboBox::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && pMsg->wParam == VK_RETURN) pMsg->wParam = VK_TAB;
    return CComboBox::PreTranslateMessage(pMsg);
}

CString CVoComboBox::GetSelectText(bool fromList) {
    CString text;
    switch (GetStyle() & 3) {
    case CBS_DROPDOWN:
        if (!fromList) {
            GetWindowText(text);
            break;
        }
        [[fallthrough]];
    case CBS_DROPDOWNLIST: {
        const int index = GetCurSel();
        if (index >= 0) GetLBText(index, text);
        break;
    }
    default:
        break;  // CBS_SIMPLE
    }
    return text;
}

int CVoComboBox::Add(const char* text) { return AddString(text); }

int CVoComboBox::Add(int number) {
    CString text;
    text.Format("%d", number);
    return Add(static_cast<const char*>(text));
}

// The text shown before is selected again as the first item that begins
// with it (ignoring case); an empty text selects nothing.
bool CVoComboBox::Add(const CStringArray& names, bool reset) {
    CString shown;
    if (reset) {
        shown = GetSelectText(false);
        CComboBox::ResetContent();
    }
    bool ok = true;
    for (int i = 0; i < names.GetSize(); ++i) {
        if (Add(static_cast<const char*>(names.GetAt(i))) < 0) {
            ok = false;
            break;
        }
    }
    if (reset && !shown.IsEmpty()) SelectString(-1, shown);
    return ok;
}

// Without a match the selection is cleared with -1: the index past the
// last item would be refused as well, but not every platform clears the
// selection then.
int CVoComboBox::SetCurItem(DWORD data) {
    const int count = GetCount();
    for (int index = 0; index < count; ++index) {
        if (static_cast<DWORD>(GetItemData(index)) == data) return SetCurSel(index);
    }
    SetCurSel(-1);
    return CB_ERR;
}
