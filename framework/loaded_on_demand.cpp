#include "framework/loaded_on_demand.h"

namespace {

// The function `name` of the system DLL `dll`, loading the DLL if the process has not yet.
template <typename Function> Function* SystemFunction(const char* dll, const char* name) {
    HMODULE module = GetModuleHandleA(dll);
    if (!module)
        module = LoadLibraryA(dll);
    if (!module)
        return nullptr;
    // GetProcAddress gives every function as FARPROC; the caller names the real type.
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

HINSTANCE ShellExecuteOnDemand(HWND owner, const char* verb, const char* file, const char* parameters,
                               const char* directory, int show) {
    using Function = HINSTANCE WINAPI(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    Function* shellExecute = SystemFunction<Function>("shell32.dll", "ShellExecuteA");
    return shellExecute ? shellExecute(owner, verb, file, parameters, directory, show) : nullptr;
}

BOOL ShellExecuteExOnDemand(SHELLEXECUTEINFOA* request) {
    using Function = BOOL WINAPI(SHELLEXECUTEINFOA*);
    Function* shellExecute = SystemFunction<Function>("shell32.dll", "ShellExecuteExA");
    if (!shellExecute) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return FALSE;
    }
    return shellExecute(request);
}

BOOL GetOpenFileNameOnDemand(OPENFILENAMEA* dialog) {
    using Function = BOOL WINAPI(OPENFILENAMEA*);
    Function* getOpenFileName = SystemFunction<Function>("comdlg32.dll", "GetOpenFileNameA");
    return getOpenFileName ? getOpenFileName(dialog) : FALSE;
}

DWORD CommDlgExtendedErrorOnDemand() {
    using Function = DWORD WINAPI();
    Function* extendedError = SystemFunction<Function>("comdlg32.dll", "CommDlgExtendedError");
    return extendedError ? extendedError() : CDERR_INITIALIZATION;
}

HRESULT DirectDrawEnumerateOnDemand(LPDDENUMCALLBACKA callback, void* context) {
    using Function = HRESULT WINAPI(LPDDENUMCALLBACKA, LPVOID);
    Function* enumerate = SystemFunction<Function>("ddraw.dll", "DirectDrawEnumerateA");
    return enumerate ? enumerate(callback, context) : DDERR_GENERIC;
}

HRESULT DirectDrawCreateOnDemand(GUID* device, IDirectDraw** created, IUnknown* outer) {
    using Function = HRESULT WINAPI(GUID*, IDirectDraw**, IUnknown*);
    Function* create = SystemFunction<Function>("ddraw.dll", "DirectDrawCreate");
    return create ? create(device, created, outer) : DDERR_GENERIC;
}

HRESULT CoInitializeExOnDemand(DWORD apartment) {
    using Function = HRESULT WINAPI(LPVOID, DWORD);
    Function* initialize = SystemFunction<Function>("ole32.dll", "CoInitializeEx");
    return initialize ? initialize(nullptr, apartment) : E_FAIL;
}

void CoUninitializeOnDemand() {
    using Function = void WINAPI();
    if (Function* uninitialize = SystemFunction<Function>("ole32.dll", "CoUninitialize"))
        uninitialize();
}
