// VoCalcEdit.cpp - the number field that evaluates typed expressions.
#include "VoCalcEdit.h"

#include "VoCalc.h"

#include <cfloat>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CVoCalcEdit, CVoEdit)

BEGIN_MESSAGE_MAP(CVoCalcEdit, CVoEdit)
    ON_WM_CHAR()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(WM_NCPAINT, OnNcPaint)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

namespace {

const char kDefaultFormat[] = "%lf";
const char kDigits[] = "0123456789";
// The characters an expression is typed with; everything else is refused.
const char kExpressionChars[] = "0123456789.Ee-+*/()";
// Width and precision of the format have at most this many digits, which
// keeps every printed value short.
const size_t kMaxFormatDigits = 3;

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Steps over at most kMaxFormatDigits digits; false when there are more.
bool SkipFormatDigits(const char*& p) {
    const size_t n = strspn(p, kDigits);
    p += n;
    return n <= kMaxFormatDigits;
}

// True when format holds exactly one conversion and that one prints a
// double: %[flags][width][.precision][l]f (or e, g, a in either case).
// "%%" is a literal percent sign. Anything else could read arguments that
// are not there.
bool IsValueFormat(const char* format) {
    if (!format) return false;
    int conversions = 0;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') continue;
        ++p;
        if (*p == '%') continue;
        p += strspn(p, "-+ #0");
        if (!SkipFormatDigits(p)) return false;
        if (*p == '.') {
            ++p;
            if (!SkipFormatDigits(p)) return false;
        }
        if (*p == 'l') ++p;
        if (*p == '\0' || !strchr("fFeEgGaA", *p)) return false;
        ++conversions;
    }
    return conversions == 1;
}

// The longest prefix of text (after leading blanks) that is a decimal
// number, as a double; 0 when text does not begin with a number.
double LeadingNumber(const char* text) {
    if (!text) return 0.0;
    const char* p = text;
    while (IsBlank(*p)) ++p;
    const char* start = p;
    if (*p == '+' || *p == '-') ++p;
    const size_t intDigits = strspn(p, kDigits);
    p += intDigits;
    size_t fracDigits = 0;
    if (*p == '.') {
        fracDigits = strspn(p + 1, kDigits);
        if (intDigits + fracDigits > 0) p += 1 + fracDigits;
    }
    if (intDigits + fracDigits == 0) return 0.0;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '+' || *q == '-') ++q;
        const size_t expDigits = strspn(q, kDigits);
        if (expDigits > 0) p = q + expDigits;
    }
    const CString number(start, static_cast<int>(p - start));
    return strtod(number, nullptr);
}

// Sets a flag for the lifetime of the object.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& m_flag;
};

}  // namespace

CVoCalcEdit::CVoCalcEdit() : CVoCalcEdit(kDefaultFormat) {}

CVoCalcEdit::CVoCalcEdit(const char* format)
    : m_strFormat(IsValueFormat(format) ? format : kDefaultFormat), m_dMinValue(0.0), m_dMaxValue(DBL_MAX) {}

CVoCalcEdit::~CVoCalcEdit() = default;

void CVoCalcEdit::SetFormat(const char* format) {
    if (IsValueFormat(format)) m_strFormat = format;
}

void CVoCalcEdit::SetMaxValue(double value) { m_dMaxValue = value; }

void CVoCalcEdit::SetMinValue(double value) { m_dMinValue = value; }

// Showing the error box moves the focus and repaints frames, which would
// call Calc again while the invalid text is still there; such nested calls
// do nothing.
void CVoCalcEdit::Calc() {
    if (m_bInCalc || !m_hWnd) return;
    FlagGuard inCalc(m_bInCalc);

    CString text;
    GetWindowText(text);
    int valid = 0;
    double value = _Calc(text, &valid);
    if (!valid) {
        MessageBox("無効な式です。", "計算エラー", MB_OK | MB_ICONEXCLAMATION);
        value = 0.0;
    }
    SetWindowText(FormatValue(value));
    if (::GetFocus() == m_hWnd) SelectAll();
}

// Enter and Tab with a value in the range both become Enter, which the
// base turns into Tab; out of the range they become key code 0 and do
// nothing. The value of an invalid text counts as 0.
BOOL CVoCalcEdit::PreTranslateMessage(MSG* pMsg) {
    const bool isKey = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    if (!isKey || (pMsg->wParam != VK_RETURN && pMsg->wParam != VK_TAB)) return CVoEdit::PreTranslateMessage(pMsg);

    CString text;
    GetWindowText(text);
    const double value = _Calc(text, nullptr);
    if (m_dMinValue <= value && value <= m_dMaxValue) {
        pMsg->wParam = VK_RETURN;
        return CVoEdit::PreTranslateMessage(pMsg);
    }
    pMsg->wParam = 0;
    return CEdit::PreTranslateMessage(pMsg);
}

// Lets through backspace, Tab, Enter and the characters of an expression.
// A refused double-byte character arrives as two messages (lead and second
// byte); the second byte is refused with it even when it looks like 'E'.
void CVoCalcEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    (void)nRepCnt;
    (void)nFlags;
    if (m_bSkipTrailByte) {
        m_bSkipTrailByte = false;
        return;
    }
    if (nChar > 0xFF) return;  // a whole double-byte character
    if (AfxIsLeadByte(static_cast<unsigned char>(nChar))) {
        m_bSkipTrailByte = true;
        return;
    }
    const bool accepted = nChar == VK_BACK || nChar == VK_TAB || nChar == VK_RETURN ||
                          (nChar != 0 && strchr(kExpressionChars, static_cast<int>(nChar)) != nullptr);
    if (accepted) Default();
}

void CVoCalcEdit::OnSetFocus(CWnd* pOldWnd) {
    (void)pOldWnd;
    Default();
    SelectAll();
}

void CVoCalcEdit::OnKillFocus(CWnd* pNewWnd) {
    (void)pNewWnd;
    Default();
    Calc();
}

LRESULT CVoCalcEdit::OnNcPaint(WPARAM wParam, LPARAM lParam) {
    (void)wParam;
    (void)lParam;
    Default();
    Calc();
    return 0;
}

// Every text that reaches the field is read as a number and stored in the
// format's form, so the field never holds an unevaluated expression.
LRESULT CVoCalcEdit::OnSetText(WPARAM wParam, LPARAM lParam) {
    const CString text = FormatValue(LeadingNumber(reinterpret_cast<LPCSTR>(lParam)));
    return DefWindowProc(WM_SETTEXT, wParam, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(text)));
}

CString CVoCalcEdit::FormatValue(double value) const {
    CString text;
    text.Format(m_strFormat, value);
    return text;
}

void CVoCalcEdit::SelectAll() {
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
}
