#include "WinApp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // A library that fails to load is reported by the program's own message only.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    CWinApp* app = AfxGetApp();
    app->Start(instance);
    // The whole user interface runs modally inside InitInstance, which answers
    // false: no message loop follows.
    app->InitInstance();
    return app->ExitInstance();
}
