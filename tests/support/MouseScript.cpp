// MouseScript.cpp - queued mouse drags for the tests of drag loops.
#include "MouseScript.h"

#include <afxwin.h>

void QueueDrag(HWND hWnd, std::initializer_list<POINT> screenPoints, UINT endMessage) {
    POINT last = {0, 0};
    for (POINT pt : screenPoints) {
        last = pt;
        ::ScreenToClient(hWnd, &last);
        ::PostMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(last.x, last.y));
    }
    if (endMessage) ::PostMessageA(hWnd, endMessage, 0, MAKELPARAM(last.x, last.y));
}

void QueueKey(HWND hWnd, UINT vk) { ::PostMessageA(hWnd, WM_KEYDOWN, vk, 1); }

LPARAM ScreenPointParam(POINT pt) { return MAKELPARAM(pt.x, pt.y); }

void PumpMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) AfxDispatchMessage(&msg);
}
