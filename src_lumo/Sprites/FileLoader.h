#pragma once
// The store of sprite definitions, filled from definition files at start-up and asked for
// definitions by name when characters and items are created.
#include "src_lumo/Sprites/SpriteDefinition.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Lumo {

class FileLoader {
public:
    // Reads one definition file (several definitions may stand in it) through the device's file
    // system. A file that cannot be opened, or that the XML check refuses, is reported on the
    // console and read no further.
    void loadFile(const char* fileName);

    // Null when no definition has that name.
    const SpriteDefinition* getDefinition(const std::wstring& name) const;
    const std::map<std::wstring, std::unique_ptr<SpriteDefinition>>& getDefinitions() const { return definitions; }

    // Stores a new, empty definition under its name. One that replaces a stored definition of the
    // same name keeps the old one alive, because nodes on stage may still use it.
    SpriteDefinition& createDefinition(const std::wstring& name);

private:
    std::map<std::wstring, std::unique_ptr<SpriteDefinition>> definitions;
    std::vector<std::unique_ptr<SpriteDefinition>> replacedDefinitions;
};

} // namespace Lumo
