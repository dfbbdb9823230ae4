// TestDesktopKeeper: keeps Wine's desktop process (explorer.exe /desktop) alive while the
// tests run.  Wine starts that process when the first window is created and ends it about a
// second after the last program on the desktop exits.  Started from inside a test, it would
// inherit the test's stderr, and ctest would wait for it.  scripts/test starts this program
// first, with its output on /dev/null, so the desktop process is started once and stays;
// `wineserver -k` ends both at the end of the run.
//
// Usage: TestDesktopKeeper.exe <ready file>   (the file is created once the desktop is up)
#include <windows.h>

int main(int argc, char** argv) {
    // A message-only window: connects this thread to the desktop (which starts Wine's desktop
    // process) without showing anything or taking the focus.
    HWND wnd = CreateWindowExA(0, "STATIC", "TestDesktopKeeper", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (wnd == nullptr || GetDesktopWindow() == nullptr) {
        return 1;
    }

    if (argc > 1) {
        HANDLE ready = CreateFileA(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (ready == INVALID_HANDLE_VALUE) {
            return 2;
        }
        CloseHandle(ready);
    }

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        DispatchMessageA(&msg);
    }
    return 0;
}
