// The registry as the launcher uses it: string values (the game installer's entries) and the per-user
// profile store of whole numbers. Failures are never reported: a read gives the caller's default, a write
// is dropped (or reported to the caller only).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/handles.h"

// The value's text, or defaultText when the key cannot be opened for reading or the value cannot be read
// (a value that does not fit, with its terminating zero, in 4096 bytes yields the default too). A
// REG_EXPAND_SZ value, as some installers write a folder ("%ProgramFiles%\..."), comes with its environment
// variables filled in; a value of any other type than these two holds no text and yields the default.
std::string ReadRegistryString(HKEY root, const char* keyPath, const char* valueName,
                               const std::string& defaultText);

// Stores text as a REG_SZ value (valueName nullptr: the key's default value), creating the key when
// missing. True when stored.
bool WriteRegistryString(HKEY root, const char* keyPath, const char* valueName, const char* text);

// A per-user profile, HKEY_CURRENT_USER\Software\<profile key>, opened (and created when missing) once for
// reading or writing many values. When it cannot be opened or created, every read gives its default and every
// write is dropped.
class ProfileStore {
  public:
    explicit ProfileStore(const std::string& profileKey);
    // The 32-bit number stored under valueName, or defaultValue when the value is absent or its data is
    // not exactly four bytes long. The value's type is not looked at.
    int32_t GetInt(const char* valueName, int32_t defaultValue) const;
    // Stores value as REG_DWORD; true when the registry took it.
    bool WriteInt(const char* valueName, int32_t value) const;

  private:
    RegistryKey key_;
};
