// AttachFormWndHelper.h - the attachment model bound to one window.
//
// Classes:
//   CAttachFormWndHelper  base class of a resizable window: reads its child
//                         controls' rectangles, moves them after each resize
//                         in one deferred batch and repaints what they left
//                         and took, answers the tracking size query and
//                         clips the controls out of the background
#pragma once

#include "AttachForm.h"

#include <afxwin.h>

class VOKIT_API CAttachFormWndHelper : public CAttachForm {
public:
    // Registration reads the control's rectangle from the helper window
    // first; the ID must name an existing child control (0 otherwise).
    int SetVaAttach(UINT nID, ...) override;
    int SetValistAttach(UINT nID, const char* pArgs) override;
    int SetAttach(UINT nID, const CAttachArg* pArgs, int nCount) override;
    // Takes the form size from the helper window's client area and
    // registers referenced controls that are not registered yet (they keep
    // their place), then realizes the model.
    int RealizeAttach() override;
    // Solves the layout and moves the controls whose rectangle changed.
    int Resize(int cx, int cy) override;

    // Tracking sizes; 0 on an axis means no limit there.
    void SetMaxSize(const CSize& size);
    CSize GetMaxSize();
    void SetMinSize(const CSize& size);
    CSize GetMinSize();
    // Whether ClipControl excludes the controls from the background.
    void SetClipMode(BOOL bClip);
    // Accepted for compatibility; does nothing.
    int SetAttachMode(UINT nID, int nMode);
    // Applies the non-zero components of the maximum and minimum size.
    void CalcMinMax(MINMAXINFO* p);

    // What EnumCallback works on.
    struct EnumData {
        CDC* pDC;    // the device context to clip
        CWnd* pWnd;  // the helper window
    };

protected:
    CAttachFormWndHelper();
    ~CAttachFormWndHelper() override;

    void SetHelperWnd(CWnd* pWnd);
    // Excludes the visible direct child controls from pDC's clip region
    // (group boxes only along their left, right and bottom frame).
    void ClipControl(CDC* pDC);

    int m_nMaxCX;
    int m_nMaxCY;
    int m_nMinCX;
    int m_nMinCY;
    BOOL m_bClipMode;
    CWnd* m_pHelperWnd;  // not owned

private:
    static BOOL CALLBACK EnumCallback(HWND hWnd, EnumData* pData);
    // The helper window's handle, or null when it has no live window.
    HWND GetHelperHwnd() const;
    // Records the rectangle of child control nID with SetRect; FALSE when
    // the helper window has no such control.
    BOOL RecordControlRect(UINT nID);
    // Moves the controls whose window rectangle differs from rcNew, then
    // repaints the area they left and took, background first.
    void MoveControls();
};
