// FrameworkMain.cpp - entry point of the framework DLL.
#include "afx.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
