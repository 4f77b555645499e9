// System functions whose DLL is loaded on the first call instead of at process start. DirectDraw is
// needed only by the display settings, the file dialog only when the game has to be found by hand,
// and the shell and COM only on "Start" and the links; importing them made every start load them (and
// DirectDraw's 3-D and OpenGL layers, the file dialog's printing support) before the main dialog
// could open. A DLL loaded here stays loaded for the rest of the process. When the DLL or the
// function can't be found, each call fails as the function itself reports failure.
#pragma once

#include <windows.h>

#include <cderr.h>
#include <commdlg.h>
#include <ddraw.h>
#include <objbase.h>
#include <shellapi.h>

// ShellExecuteA; gives 0 (a failure: not above 32) when the shell can't be loaded. The shell asks its
// callers to be in a COM apartment (AppContext enters it).
HINSTANCE ShellExecuteOnDemand(HWND owner, const char* verb, const char* file, const char* parameters,
                               const char* directory, int show);

// ShellExecuteExA, from a COM apartment as well. On failure the last error says why (ERROR_CANCELLED when
// the user declined what the start asked, such as the elevation prompt of a program that runs as
// administrator; ERROR_MOD_NOT_FOUND when the shell can't be loaded).
BOOL ShellExecuteExOnDemand(SHELLEXECUTEINFOA* request);

// GetOpenFileNameA, and CommDlgExtendedError for why it gave FALSE (0: the user cancelled). When the dialog
// can't be loaded, the first gives FALSE and the second CDERR_INITIALIZATION.
BOOL GetOpenFileNameOnDemand(OPENFILENAMEA* dialog);
DWORD CommDlgExtendedErrorOnDemand();

// DirectDrawEnumerateA and DirectDrawCreate; give DDERR_GENERIC when DirectDraw can't be loaded.
HRESULT DirectDrawEnumerateOnDemand(LPDDENUMCALLBACKA callback, void* context);
HRESULT DirectDrawCreateOnDemand(GUID* device, IDirectDraw** created, IUnknown* outer);

// CoInitializeEx for the calling thread and CoUninitialize; the first gives E_FAIL when COM can't be loaded.
HRESULT CoInitializeExOnDemand(DWORD apartment);
void CoUninitializeOnDemand();
