// WindowInternals.h - what the window layer's .cpp files share.
#pragma once

#include "AfxMessageBox.h"
#include "CException.h"
#include "CWnd.h"

// The colour query of a WM_CTLCOLORxxx message, as the handlers see it.
struct AFX_CTLCOLOR {
    HWND hWnd;  // the control
    HDC hDC;
    UINT nCtlType;  // CTLCOLOR_xxx
};

struct AfxWindowInternals {
    // Hands pWnd to the next window created on this thread (see CWnd.cpp).
    static void HookWindowCreate(CWnd* pWnd);
    // Ends the hand-off; TRUE when a window took the object.
    static BOOL UnhookWindowCreate();
    // Routes a notification of the child hWndChild back to it.
    static BOOL ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // TRUE while a window procedure runs on this thread (its handlers may
    // hold temporary wrappers, which must then outlive an inner loop).
    static BOOL IsInsideWindowProc();
    static void SetSuper(CWnd* pWnd, WNDPROC pfn) { pWnd->m_pfnSuper = pfn; }
    static WNDPROC GetSuper(CWnd* pWnd) { return pWnd->m_pfnSuper; }
    static void CallPostNcDestroy(CWnd* pWnd) { pWnd->PostNcDestroy(); }
};

// Runs fn and turns any exception into a safe result: no exception may
// cross a window procedure.
template <class Fn>
LRESULT AfxCallGuarded(Fn&& fn, LRESULT lFailure) {
    try {
        return fn();
    } catch (CUserException* e) {
        e->Delete();  // already reported to the user
    } catch (CException* e) {
        e->ReportError(MB_ICONEXCLAMATION);
        e->Delete();
    } catch (...) {
        AfxMessageBox("内部エラーが発生しました。", MB_ICONEXCLAMATION);
    }
    return lFailure;
}
