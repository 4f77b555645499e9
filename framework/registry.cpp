#include "framework/registry.h"

#include <cstring>
#include <optional>
#include <string>

#include "framework/growing_buffer.h"

namespace {
// The most a string value may take, with its terminating zero.
constexpr DWORD RegistryTextLimit = 4096;

// A REG_EXPAND_SZ value's text with its environment variables ("%ProgramFiles%") filled in.
std::optional<std::string> Expanded(const std::string& text) {
    return CallWithGrowingBuffer([&text](char* buffer, size_t size) {
        return ExpandEnvironmentStringsA(text.c_str(), buffer, static_cast<DWORD>(size));
    });
}
} // namespace

std::string ReadRegistryString(HKEY root, const char* keyPath, const char* valueName,
                               const std::string& defaultText) {
    RegistryKey key;
    if (RegOpenKeyExA(root, keyPath, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return defaultText;
    // A value that fills all 4096 bytes without a terminating zero counts as not fitting.
    std::string text(RegistryTextLimit, '\0');
    DWORD type = REG_NONE, size = RegistryTextLimit;
    if (RegQueryValueExA(key.Get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
            ERROR_SUCCESS ||
        text.back() != '\0')
        return defaultText;
    // A number or binary data is no text: read as one, 0x3F would be taken for the name "?".
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return defaultText;
    text.resize(strnlen(text.data(), text.size()));
    return type == REG_EXPAND_SZ ? Expanded(text).value_or(defaultText) : text;
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

namespace {
// ---- The profile store ----

constexpr REGSAM ProfileAccess = KEY_READ | KEY_WRITE;

// Opens or creates `part` below `parent`; an empty part is the parent itself, so it adds no level.
RegistryKey CreateLevel(RegistryKey parent, const std::string& part) {
    if (!parent || part.empty())
        return parent;
    RegistryKey child;
    if (RegCreateKeyExA(parent.Get(), part.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, ProfileAccess,
                        nullptr, child.Receive(), nullptr) != ERROR_SUCCESS)
        return RegistryKey();
    return child;
}

// The profile's key, created on the way down (so merely reading makes the empty key on a first run); empty
// when it cannot be opened or created.
RegistryKey OpenProfile(const std::string& profileKey) {
    RegistryKey software;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, ProfileAccess, software.Receive()) != ERROR_SUCCESS)
        return RegistryKey();
    return CreateLevel(std::move(software), profileKey);
}

} // namespace

ProfileStore::ProfileStore(const std::string& profileKey) : key_(OpenProfile(profileKey)) {}

int32_t ProfileStore::GetInt(const char* valueName, int32_t defaultValue) const {
    if (!key_)
        return defaultValue;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key_.Get(), valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        return defaultValue; // absent, or longer than four bytes (ERROR_MORE_DATA)
    // Shorter data would leave part of the number unwritten: rather the default than a made-up number.
    if (size != sizeof value)
        return defaultValue;
    return static_cast<int32_t>(value);
}

bool ProfileStore::WriteInt(const char* valueName, int32_t value) const {
    if (!key_)
        return false;
    DWORD data = static_cast<DWORD>(value);
    return RegSetValueExA(key_.Get(), valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof data) == ERROR_SUCCESS;
}
