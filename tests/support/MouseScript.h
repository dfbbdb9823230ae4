// MouseScript.h - the mouse messages of a drag, queued before the modal
// loop that follows them starts.
//
// A drag loop (a splitter, a dock context) captures the mouse and reads the
// queue itself until the button goes up. Tests queue the moves and the
// button-up first, then send the button-down that starts the loop; the loop
// finds them at once and never waits.
#pragma once

#include <windows.h>

#include <initializer_list>

// Queues WM_MOUSEMOVE to hWnd (the window that will hold the capture) for
// each point, given in screen coordinates, then the message that ends the
// drag (WM_LBUTTONUP, or 0 for none) at the last point.
void QueueDrag(HWND hWnd, std::initializer_list<POINT> screenPoints, UINT endMessage = WM_LBUTTONUP);
// Queues a key press (WM_KEYDOWN) for hWnd.
void QueueKey(HWND hWnd, UINT vk);
// The message lParam of a screen point (WM_NC* messages).
LPARAM ScreenPointParam(POINT pt);
// Dispatches what is queued for this thread's windows.
void PumpMessages();
