// CProgressCtrl.h - progress bars (common control "msctls_progress32").
#pragma once

#include "CWnd.h"

class AFX_API CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(short nLower, short nUpper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper)); }
    void SetRange32(int nLower, int nUpper) { SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper); }
    void GetRange(int& nLower, int& nUpper) const;
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
    int SetPos(int nPos) {
        return static_cast<int>(static_cast<short>(LOWORD(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos)))));
    }
    int OffsetPos(int nPos) {
        return static_cast<int>(static_cast<short>(LOWORD(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(nPos)))));
    }
    int SetStep(int nStep) {
        return static_cast<int>(static_cast<short>(LOWORD(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(nStep)))));
    }
    int StepIt() { return static_cast<int>(static_cast<short>(LOWORD(SendMessage(PBM_STEPIT)))); }
};
