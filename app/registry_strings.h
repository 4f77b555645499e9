// String values in the registry, as the game's installer keeps its location.
#pragma once

#include <windows.h>

// The value's text, or defaultText when the key cannot be opened for reading or the value cannot be read
// (a value that does not fit, with its terminating zero, in 4096 bytes yields the default too). The text
// lives in one process-wide buffer that the next call overwrites.
const char* ReadRegistryString(HKEY root, const char* keyPath, const char* valueName,
                               const char* defaultText);

// Stores text as a REG_SZ value (valueName nullptr: the key's default value), creating the key when
// missing. True when stored.
bool WriteRegistryString(HKEY root, const char* keyPath, const char* valueName, const char* text);
