// The per-user profile store: whole numbers kept as REG_DWORD values under
// HKEY_CURRENT_USER\Software\<registry key>\<profile name>\<section>, where the registry key and profile
// name are the application's and an empty part adds no key level. Failures are never reported: a read
// gives the caller's default, a write is dropped.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/handles.h"

// The launcher keeps no ini files: the name belongs to the registry profile read below, not to the
// system's ini-file macro.
#undef GetProfileInt

// One section of the profile with its key opened (and created) once, for reading or writing many values:
// each value then costs one registry call instead of opening the key levels again. When the key cannot
// be opened or created, every read gives its default and every write is dropped.
class ProfileSectionKey {
  public:
    explicit ProfileSectionKey(const char* section);
    int32_t GetInt(const char* valueName, int32_t defaultValue) const;
    bool WriteInt(const char* valueName, int32_t value) const;

  private:
    RegistryKey key_;
};

// The 32-bit number stored under valueName, or defaultValue when the key cannot be opened or created, the
// value is absent, or its data is not exactly four bytes long. The value's type is not looked at.
int32_t GetProfileInt(const char* section, const char* valueName, int32_t defaultValue);

// Stores value as REG_DWORD; true when the registry took it.
bool WriteProfileInt(const char* section, const char* valueName, int32_t value);
