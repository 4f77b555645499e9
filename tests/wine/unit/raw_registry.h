// Registry values as raw bytes of any type, for tests that store what a user or another program might
// have left in the launcher's profile and read back exactly what the launcher left there.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace raw_registry {

// Removes the key with everything below it; an absent key is fine.
inline void DeleteTree(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS)
        return;
    char name[256];
    DWORD length = sizeof name;
    std::vector<std::string> children;
    for (DWORD i = 0; length = sizeof name,
               RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
         ++i)
        children.emplace_back(name, length);
    RegCloseKey(key);
    for (const std::string& child : children)
        DeleteTree(root, path + "\\" + child);
    RegDeleteKeyA(root, path.c_str());
}

inline bool KeyExists(const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

inline DWORD ValueCount(const std::string& path) {
    HKEY key = nullptr;
    DWORD values = 0;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
    RegCloseKey(key);
    return values;
}

// Stores `bytes` under HKEY_CURRENT_USER\path\name with the given type, creating the key.
inline void SetRaw(const std::string& path, const char* name, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

struct RawValue {
    DWORD Type = REG_NONE;
    std::string Bytes;
    bool Present = false;
};

inline RawValue GetRaw(const std::string& path, const char* name) {
    RawValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return value;
    // Asked for its size first, so a value of any length is read whole.
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &value.Type, nullptr, &size) == ERROR_SUCCESS) {
        value.Bytes.resize(size);
        value.Present = RegQueryValueExA(key, name, nullptr, &value.Type,
                                         reinterpret_cast<BYTE*>(value.Bytes.data()), &size) == ERROR_SUCCESS;
        value.Bytes.resize(size);
    }
    RegCloseKey(key);
    return value;
}

} // namespace raw_registry
