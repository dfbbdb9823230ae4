// CDataExchange.cpp - the DDX_ functions between controls and members.
#include "CDataExchange.h"

#include "AfxMessageBox.h"
#include "CException.h"

#include <cerrno>

namespace {
const char kParseIntMessage[] = "整数を入力してください。";
const char kParseRealMessage[] = "数値を入力してください。";

CString ControlText(HWND hWnd) {
    CString text;
    CWnd::FromHandle(hWnd)->GetWindowText(text);
    return text;
}

// Reads a whole decimal integer (blanks around it allowed) into the range
// [lo, hi]; false for anything else, including overflow.
bool ParseInteger(const char* text, long long lo, long long hi, long long* value) {
    while (*text == ' ' || *text == '\t') ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = *text++ == '-';
    if (*text < '0' || *text > '9') return false;
    long long n = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        n = n * 10 + (*text - '0');
        if (n > hi + 1LL) return false;  // far out of range already
    }
    while (*text == ' ' || *text == '\t') ++text;
    if (*text) return false;
    if (negative) n = -n;
    if (n < lo || n > hi) return false;
    *value = n;
    return true;
}

template <class Int>
void ExchangeInteger(CDataExchange* pDX, int nIDC, Int& value, long long lo, long long hi, const char* format) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        long long n = 0;
        if (!ParseInteger(ControlText(hWndCtrl), lo, hi, &n)) {
            AfxMessageBox(kParseIntMessage, MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = static_cast<Int>(n);
    } else {
        CString text;
        text.Format(format, value);
        ::SetWindowTextA(hWndCtrl, text);
    }
}
}  // namespace

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(nullptr), m_bEditLastControl(FALSE) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (!hWndCtrl) AfxThrowNotSupportedException();  // no such control in the template
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    ExchangeInteger(pDX, nIDC, value, INT_MIN, INT_MAX, "%d");
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    ExchangeInteger(pDX, nIDC, value, 0, UINT_MAX, "%u");
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    ExchangeInteger(pDX, nIDC, value, LONG_MIN, LONG_MAX, "%ld");
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        CString text = ControlText(hWndCtrl);
        char* end = nullptr;
        errno = 0;
        double d = strtod(text, &end);
        while (end && (*end == ' ' || *end == '\t')) ++end;
        if (text.IsEmpty() || !end || *end || errno == ERANGE) {
            AfxMessageBox(kParseRealMessage, MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = d;
    } else {
        CString text;
        text.Format("%.15g", value);
        ::SetWindowTextA(hWndCtrl, text);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        ::SetWindowTextA(hWndCtrl, value);
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    else
        ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value < 0 || value > 2 ? 0 : value), 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) value = -1;
    // The group runs from nIDC to the next control with WS_GROUP.
    int index = 0;
    for (HWND h = hWndCtrl; h; h = ::GetWindow(h, GW_HWNDNEXT), ++index) {
        if (h != hWndCtrl && (::GetWindowLongA(h, GWL_STYLE) & WS_GROUP)) break;
        if (!(::SendMessageA(h, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
        if (pDX->m_bSaveAndValidate) {
            if (::SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            ::SendMessageA(h, BM_SETCHECK, index == value, 0);
        }
    }
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if ((::GetWindowLongA(hWndCtrl, GWL_STYLE) & 0x3) == CBS_DROPDOWNLIST) {
            int sel = static_cast<int>(::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0));
            value.Empty();
            if (sel != CB_ERR) {
                int len = static_cast<int>(::SendMessageA(hWndCtrl, CB_GETLBTEXTLEN, static_cast<WPARAM>(sel), 0));
                if (len > 0) {
                    int n = static_cast<int>(::SendMessageA(hWndCtrl, CB_GETLBTEXT, static_cast<WPARAM>(sel),
                                                            reinterpret_cast<LPARAM>(value.GetBuffer(len + 1))));
                    value.ReleaseBuffer(n < 0 ? 0 : n);
                }
            }
        } else {
            value = ControlText(hWndCtrl);
        }
    } else if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                              reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value))) == CB_ERR) {
        // Not in the list: the edit shows the text (a drop-down list ignores it).
        ::SetWindowTextA(hWndCtrl, value);
    }
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageA(hWndCtrl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageA(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd) return;  // bound already
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl)) AfxThrowNotSupportedException();
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars) {
        CString text;
        text.Format("%d 文字以内で入力してください。", nChars);
        AfxMessageBox(text, MB_ICONEXCLAMATION);
        pDX->Fail();
    } else if (!pDX->m_bSaveAndValidate && pDX->m_hWndLastControl && pDX->m_bEditLastControl) {
        ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    }
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal)) return;
    CString text;
    text.Format("%d から %d までの整数を入力してください。", minVal, maxVal);
    AfxMessageBox(text, MB_ICONEXCLAMATION);
    pDX->Fail();
}
