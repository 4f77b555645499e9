// Process entry: the application object runs the start-up sequence; command-line arguments are ignored.
#include <windows.h>
#include <commctrl.h>

#include "framework/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    return Application::Current().Run(instance);
}
