#pragma once
// The sprite definition files the game ships, in the order start-up loads them.
#include <array>

namespace Lumo {

class FileLoader;

inline constexpr std::array<const char*, 16> kSpriteDefinitionFiles = {
    "lumodata/2d/def_baeckerin.xml", "lumodata/2d/def_baeckerin_child.xml", "lumodata/2d/def_mother.xml",
    "lumodata/2d/def_tovar.xml",     "lumodata/2d/def_male1.xml",           "lumodata/2d/def_male2.xml",
    "lumodata/2d/def_male3.xml",     "lumodata/2d/def_male4.xml",           "lumodata/2d/def_barman.xml",
    "lumodata/2d/def_female1.xml",   "lumodata/2d/def_female2.xml",         "lumodata/2d/def_soldier.xml",
    "lumodata/2d/def_postbote.xml",  "lumodata/2d/def_merchant.xml",        "lumodata/def_items.xml",
    "lumodata/def_stuff.xml"};

// Loads every shipped definition file into the store, relative to the working directory.
void loadSpriteDefinitions(FileLoader& store);

} // namespace Lumo
