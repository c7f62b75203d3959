// The program's entry point: runs the application object's InitInstance.
#include "framework/CWinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* const app = AfxGetApp();
    if (app == nullptr) {
        return 1;
    }
    app->InitInstance();  // FALSE or TRUE, the program ends here: no message loop
    return 0;
}
