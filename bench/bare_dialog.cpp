// The floor for start-up: a program that shows one dialog from its resources and nothing else.
#include <windows.h>

#include "bench/bare_dialog_proc.h"
#include "bench/bare_ids.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    DialogBoxParamA(instance, MAKEINTRESOURCEA(BARE_DLG_MAIN), nullptr, bare::DialogProc<>, 0);
    return 0;
}
