// VoCalcEdit.h - a number field in which the user may type an arithmetic
// expression; it is evaluated when the field loses the focus and shown as
// its result in the field's format.
#pragma once

#include "VoEdit.h"

// Edit field for numbers: accepts only the characters of an expression,
// evaluates it (with _Calc) on focus loss and frame repaint, stores every
// text in its output format, and refuses Enter and Tab while the value lies
// outside its range.
class VOKIT_API CVoCalcEdit : public CVoEdit {
    DECLARE_DYNAMIC(CVoCalcEdit)
public:
    CVoCalcEdit();  // format "%lf", range 0 to the largest double
    CVoCalcEdit(const char* format);
    ~CVoCalcEdit() override;

    // format: a printf template with exactly one floating-point conversion
    // (for instance "%.0lf"); any other template is refused and the current
    // format stays.
    void SetFormat(const char* format);
    // Evaluates the text and replaces it by the result; an invalid
    // expression shows a message and gives 0.
    void Calc();

    virtual void SetMaxValue(double value);
    virtual void SetMinValue(double value);

    // Enter and Tab leave the field only while its value lies in the range.
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);

    // value printed with the format.
    CString FormatValue(double value) const;
    void SelectAll();

    CString m_strFormat;
    double m_dMinValue;
    double m_dMaxValue;

private:
    bool m_bInCalc = false;         // Calc runs (its message box may repaint or refocus)
    bool m_bSkipTrailByte = false;  // the next character is the second byte of a refused one

    DECLARE_MESSAGE_MAP()
};
