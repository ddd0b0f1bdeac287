#pragma once
// The game's own source, read by tests that check shipped data against what the code asks for.
#include <set>
#include <string>

// The first group of every match of the pattern in the files under src_lumo.
std::set<std::string> matchesInGameCode(const std::string& pattern);
