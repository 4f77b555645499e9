#include "app/registry_strings.h"

#include <cstring>

#include "framework/handles.h"

namespace {
constexpr DWORD RegistryBufferSize = 4096;
char registryBuffer[RegistryBufferSize];

void CopyDefault(const char* defaultText) {
    std::memset(registryBuffer, 0, sizeof registryBuffer);
    strncpy(registryBuffer, defaultText ? defaultText : "", RegistryBufferSize - 1);
}
} // namespace

const char* ReadRegistryString(HKEY root, const char* keyPath, const char* valueName,
                               const char* defaultText) {
    CopyDefault(defaultText);
    RegistryKey key;
    if (RegOpenKeyExA(root, keyPath, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return registryBuffer;
    // The value's type is not examined. A value that fills all 4096 bytes without a terminating zero
    // counts as not fitting.
    DWORD size = RegistryBufferSize;
    LONG status = RegQueryValueExA(key.Get(), valueName, nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(registryBuffer), &size);
    if (status != ERROR_SUCCESS || registryBuffer[RegistryBufferSize - 1] != '\0')
        CopyDefault(defaultText);
    return registryBuffer;
}

bool WriteRegistryString(HKEY root, const char* keyPath, const char* valueName, const char* text) {
    RegistryKey key;
    if (RegCreateKeyExA(root, keyPath, 0, nullptr, 0, KEY_WRITE, nullptr, key.Receive(), nullptr) !=
        ERROR_SUCCESS)
        return false;
    const DWORD size = static_cast<DWORD>(std::strlen(text)) + 1;
    return RegSetValueExA(key.Get(), valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size) ==
           ERROR_SUCCESS;
}
