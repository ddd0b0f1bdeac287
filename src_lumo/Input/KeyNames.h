#pragma once
// The keys a player can give an action, by the lower-case names settings.ini and the options
// screen use for them (the bitmap font has no capitals). A key without a name cannot be bound.
#include <irrlicht.h>

#include <optional>
#include <string>

namespace Lumo {

struct KeyNames {
    // Empty for a key without a name.
    static std::wstring name(irr::EKEY_CODE key);
    static std::optional<irr::EKEY_CODE> byName(const std::wstring& name);
};

} // namespace Lumo
