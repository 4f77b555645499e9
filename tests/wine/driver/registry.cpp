// The registry as the launcher sees it: the installer's machine-wide entries and the user's profile.
#include "driver/ui_driver.h"

#include <gtest/gtest.h>

namespace uidriver {

namespace {

class Key {
  public:
    Key() = default;
    ~Key() {
        if (key_)
            RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY* Out() { return &key_; }
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

bool OpenForWrite(HKEY root, const char* path, Key& key) {
    LONG result = RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.Out(), nullptr);
    if (result != ERROR_SUCCESS)
        ADD_FAILURE() << "cannot create registry key " << path << " (error " << result << ")";
    return result == ERROR_SUCCESS;
}

const char* NameOrDefault(const char* valueName) {
    return valueName ? valueName : "(default)";
}

// The names `read` gives for index 0, 1, ... (values or subkeys of one key), in stored order.
std::vector<std::string> ListNames(const std::function<LONG(DWORD index, char* name, DWORD* size)>& read) {
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        char name[16384];
        DWORD size = sizeof name;
        if (read(index, name, &size) != ERROR_SUCCESS)
            return names;
        names.emplace_back(name, size);
    }
}

} // namespace

void SetRegistryRaw(HKEY root, const char* key, const char* valueName, DWORD type, const std::string& bytes) {
    Key opened;
    if (!OpenForWrite(root, key, opened))
        return;
    LONG result =
        RegSetValueExA(opened.Get(), valueName, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
    if (result != ERROR_SUCCESS)
        ADD_FAILURE() << "cannot set " << key << " " << NameOrDefault(valueName) << " (error " << result
                      << ")";
}

void SetRegistryString(HKEY root, const char* key, const char* valueName, const std::string& text) {
    SetRegistryRaw(root, key, valueName, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

void SetRegistryDword(HKEY root, const char* key, const char* valueName, DWORD value) {
    SetRegistryRaw(root, key, valueName, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4));
}

std::optional<RegistryValue> GetRegistryRaw(HKEY root, const char* key, const char* valueName) {
    Key opened;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, opened.Out()) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(opened.Get(), valueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    RegistryValue value;
    value.type = type;
    value.bytes.resize(size);
    if (RegQueryValueExA(opened.Get(), valueName, nullptr, &type,
                         reinterpret_cast<BYTE*>(value.bytes.empty() ? nullptr : &value.bytes[0]),
                         &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.bytes.resize(size);
    return value;
}

std::optional<std::string> GetRegistryString(HKEY root, const char* key, const char* valueName) {
    std::optional<RegistryValue> value = GetRegistryRaw(root, key, valueName);
    if (!value)
        return std::nullopt;
    std::string text = value->bytes;
    if (!text.empty() && text.back() == '\0')
        text.pop_back(); // the stored terminator
    return text;
}

std::optional<DWORD> GetRegistryDword(HKEY root, const char* key, const char* valueName) {
    std::optional<RegistryValue> value = GetRegistryRaw(root, key, valueName);
    if (!value || value->type != REG_DWORD || value->bytes.size() != 4)
        return std::nullopt;
    DWORD number = 0;
    memcpy(&number, value->bytes.data(), 4);
    return number;
}

std::vector<std::string> RegistryValueNames(HKEY root, const char* key) {
    Key opened;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, opened.Out()) != ERROR_SUCCESS)
        return {};
    return ListNames([&](DWORD index, char* name, DWORD* size) {
        return RegEnumValueA(opened.Get(), index, name, size, nullptr, nullptr, nullptr, nullptr);
    });
}

bool KeyExists(HKEY root, const char* key) {
    Key opened;
    return RegOpenKeyExA(root, key, 0, KEY_READ, opened.Out()) == ERROR_SUCCESS;
}

void DeleteRegistryValue(HKEY root, const char* key, const char* valueName) {
    Key opened;
    if (RegOpenKeyExA(root, key, 0, KEY_SET_VALUE, opened.Out()) == ERROR_SUCCESS)
        RegDeleteValueA(opened.Get(), valueName);
}

void DeleteRegistryKey(HKEY root, const char* key) {
    {
        Key opened;
        if (RegOpenKeyExA(root, key, 0, KEY_READ, opened.Out()) != ERROR_SUCCESS)
            return;
        // Subkeys first: RegDeleteKey refuses a key that has any.
        const std::vector<std::string> subkeys = ListNames([&](DWORD index, char* name, DWORD* size) {
            return RegEnumKeyExA(opened.Get(), index, name, size, nullptr, nullptr, nullptr, nullptr);
        });
        for (const std::string& subkey : subkeys)
            DeleteRegistryKey(root, (std::string(key) + "\\" + subkey).c_str());
    }
    LONG result = RegDeleteKeyA(root, key);
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
        ADD_FAILURE() << "cannot delete registry key " << key << " (error " << result << ")";
}

void SetGamePathEntry(const std::string& folder) {
    SetRegistryString(HKEY_LOCAL_MACHINE, kGameKey, "Path", folder);
}

void SetAppPathsEntries(const std::string& folder, const std::string& exePath) {
    SetRegistryString(HKEY_LOCAL_MACHINE, kAppPathsKey, "Path", folder);
    SetRegistryString(HKEY_LOCAL_MACHINE, kAppPathsKey, nullptr, exePath);
}

InstallerEntries ReadInstallerEntries() {
    InstallerEntries entries;
    entries.gamePath = GetRegistryString(HKEY_LOCAL_MACHINE, kGameKey, "Path");
    entries.appPathsPath = GetRegistryString(HKEY_LOCAL_MACHINE, kAppPathsKey, "Path");
    entries.appPathsExe = GetRegistryString(HKEY_LOCAL_MACHINE, kAppPathsKey, nullptr);
    return entries;
}

void SetProfileDword(const char* name, DWORD value) {
    SetRegistryDword(HKEY_CURRENT_USER, kProfileKey, name, value);
}

std::optional<DWORD> GetProfileDword(const char* name) {
    return GetRegistryDword(HKEY_CURRENT_USER, kProfileKey, name);
}

void ClearGameRegistry() {
    DeleteRegistryKey(HKEY_LOCAL_MACHINE, kGameKey);
    DeleteRegistryKey(HKEY_LOCAL_MACHINE, kAppPathsKey);
    DeleteRegistryKey(HKEY_CURRENT_USER, kProfileKey);
}

CleanRegistry::CleanRegistry() {
    ClearGameRegistry();
}
CleanRegistry::~CleanRegistry() {
    ClearGameRegistry();
}

} // namespace uidriver
