#pragma once
// The keys a player can give an action, by the lower-case English names settings.ini keeps them
// under (the bitmap font has no capitals). A key without a name cannot be bound. Keys named by a
// word ("space", "page up") are shown by a game text, so each language calls them its own way.
#include <irrlicht.h>

#include <optional>
#include <string>

namespace Lumo {

struct KeyNames {
    // Empty for a key without a name.
    static std::wstring name(irr::EKEY_CODE key);
    static std::optional<irr::EKEY_CODE> byName(const std::wstring& name);
    // "KEY_SPACE" for a key named by a word; empty for a letter, digit, sign or "num 0" and "f2",
    // which read the same in every language.
    static std::string textId(irr::EKEY_CODE key);
};

} // namespace Lumo
