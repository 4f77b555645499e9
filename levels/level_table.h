#pragma once

#include <cstdint>

#include "res/resource.h"

// One identifier for each level command of the menu, SKV_CMD_LEVEL_FIRST to SKV_CMD_LEVEL_LAST.
constexpr int LevelCount = SKV_CMD_LEVEL_LAST - SKV_CMD_LEVEL_FIRST + 1;

// Identifiers indexed by command - 32771, exactly as the game names its levels (letter case, suffixes).
extern const char* const LevelTable[LevelCount];

// The identifier of a level command, or nullptr (32813 and anything outside 32771..32812, or an empty
// identifier).
const char* LevelIdentifier(uint32_t command);

// True for the ids the level filter records: 32771..32813.
bool IsLevelMenuCommand(uint32_t id);
