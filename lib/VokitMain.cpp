// VokitMain.cpp - attaching Vokit to the framework as an extension library,
// so that its resources are found through the application's resource search.
#include "Vokit.h"

namespace {
AFX_EXTENSION_MODULE g_vokitModule = {FALSE, nullptr, nullptr};
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_vokitModule, hInstance)) return FALSE;
        new CDynLinkLibrary(g_vokitModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_vokitModule);
    }
    return TRUE;
}
