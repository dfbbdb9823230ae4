// LxCalcEdit.cpp - the in-place calculator edit box of CListCtrlEx.
#include "LxCalcEdit.h"

#include "ListCtrlEx.h"
#include "LxEditorSupport.h"
#include "VoCalc.h"

namespace {
// WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | ES_WANTRETURN
const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_WANTRETURN | ES_AUTOHSCROLL;
const char kDefaultFormat[] = "%lf";
// The characters an expression is made of (besides backspace).
const char kExpressionChars[] = "0123456789.Ee-+*/()";
// Room for any formatted double; longer results are cut.
const int kResultBufferSize = 512;
// Set while Calc reports an invalid expression: the message box takes the
// focus, and the box must not be evaluated (and reported) again meanwhile.
bool g_bCalculating = false;

// TRUE when pszFormat is a printf format for exactly one double: one
// conversion e, E, f, F, g, G, a or A (with flags, width, precision and an
// optional l), any number of "%%". Other formats would read arguments that
// are not there.
bool IsDoubleFormat(const char* pszFormat) {
    int nConversions = 0;
    for (const char* p = pszFormat; *p; ++p) {
        if (*p != '%') continue;
        if (*++p == '%') continue;
        while (*p && strchr("-+ #0", *p)) ++p;
        while (*p >= '0' && *p <= '9') ++p;
        if (*p == '.') {
            ++p;
            while (*p >= '0' && *p <= '9') ++p;
        }
        if (*p == 'l') ++p;
        if (!*p || !strchr("eEfFgGaA", *p)) return false;
        ++nConversions;
    }
    return nConversions == 1;
}
}  // namespace

BEGIN_MESSAGE_MAP(CLxCalcEdit, CWnd)
    ON_WM_CHAR()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CLxCalcEdit::CLxCalcEdit() : m_strFormat(kDefaultFormat) { m_font.CreatePointFont(90, "MS UI Gothic"); }

CLxCalcEdit::~CLxCalcEdit() = default;

BOOL CLxCalcEdit::CreateLC(UINT nID, CRect& rect, const char* pszFormat, CWnd* pParent) {
    SetFormat(pszFormat);
    if (!Create(kEditStyle, rect, pParent, nID)) return FALSE;
    SetFont(&m_font);
    return TRUE;
}

void CLxCalcEdit::SetFormat(const char* pszFormat) {
    m_strFormat = (pszFormat && *pszFormat) ? pszFormat : kDefaultFormat;
}

void CLxCalcEdit::Calc() {
    if (!m_hWnd || g_bCalculating) return;
    CString strText;
    GetWindowText(strText);
    int nValid = 0;
    double dValue = _Calc(strText, &nValid);
    if (!nValid) {
        g_bCalculating = true;
        AfxDoMessageBox(m_hWnd, "無効な式です。", "計算エラー", MB_ICONEXCLAMATION);
        g_bCalculating = false;
        dValue = 0.0;
    }
    const char* pszFormat = m_strFormat;
    if (!IsDoubleFormat(pszFormat)) pszFormat = kDefaultFormat;
    char szResult[kResultBufferSize];
    snprintf(szResult, sizeof szResult, pszFormat, dValue);
    SetWindowText(szResult);
}

BOOL CLxCalcEdit::PreTranslateMessage(MSG* pMsg) {
    if (LxEditor::TranslateEnter(this, pMsg)) return TRUE;
    return CEdit::PreTranslateMessage(pMsg);
}

// Other characters are dropped without a sound.
void CLxCalcEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_BACK || (nChar != 0 && nChar < 0x80 && strchr(kExpressionChars, static_cast<int>(nChar))))
        CEdit::OnChar(nChar, nRepCnt, nFlags);
}

// Leaving the box evaluates it and commits the value; a box the list has
// closed already (disabled) is left alone.
void CLxCalcEdit::OnKillFocus(CWnd* pNewWnd) {
    CEdit::OnKillFocus(pNewWnd);
    if (!IsWindowEnabled() || g_bCalculating) return;
    if (CListCtrlEx* pList = LxEditor::ParentList(this)) {
        pList->EndEdit(TRUE);  // evaluates first
    } else {
        Calc();
    }
}

void CLxCalcEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (LxEditor::EditKeyMovesEditor(this, nChar)) return;
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}
