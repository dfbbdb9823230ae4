// WinMainEntry.cpp - the entry point of a program built on the framework.
// It lives in a static library so that it becomes part of the program
// itself; it only hands over to the framework's AfxWinMain.
#include <afxwin.h>

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
