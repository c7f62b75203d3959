// Holds Wine's desktop open so that each test program starts quickly.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    GetDesktopWindow();
    Sleep(INFINITE);
    return 0;
}
