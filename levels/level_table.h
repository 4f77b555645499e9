#pragma once

#include <cstdint>

// Level menu commands: one per level of the game, then "No Level".
constexpr uint32_t FirstLevelCommand = 32771, LastLevelCommand = 32812, NoLevelCommand = 32813;
constexpr int LevelCount = 42;

// Identifiers indexed by command - 32771, exactly as the game names its levels (letter case, suffixes).
extern const char* const LevelTable[LevelCount];

// The identifier of a level command, or nullptr (32813 and anything outside 32771..32812, or an empty
// identifier).
const char* LevelIdentifier(uint32_t command);

// True for the ids the level filter records: 32771..32813.
bool IsLevelMenuCommand(uint32_t id);
