#pragma once
// The one place where the player's keys and game pad become the game's actions. A bound key
// arrives as its action's canonical key, a key whose action has moved elsewhere not at all, and a
// pad button or stick direction as a press and a release of the canonical key, so every menu,
// text box and choice board hears keyboard and pad on the same path.
#include "src_lumo/Input/KeyBindings.h"

#include <irrlicht.h>

#include <bitset>
#include <functional>
#include <optional>

namespace Lumo {

// A key or a pad button the player has just pressed, for binding it to an action.
struct PressedInput {
    std::optional<irr::EKEY_CODE> key;
    int button = KeyBindings::kNoButton;
};

class ActionInput {
public:
    // Stick values nearer the centre than this are a pad at rest (full tilt is 32767).
    static constexpr int kStickDeadZone = 8000;
    using Receiver = std::function<bool(const irr::SEvent& event)>;

    // Key states come from the device's keyboard; the bindings are read at every event.
    explicit ActionInput(const KeyBindings& bindings);

    // Hands the receiver what the raw event means to the game; true if it used any of it.
    bool translate(const irr::SEvent& raw, const Receiver& receiver);
    // Follows the pad without handing anything on: what this event newly pressed, if anything.
    std::optional<PressedInput> takePress(const irr::SEvent& raw);
    // The action's key or its pad input is held now.
    bool held(GameAction action) const;

private:
    using Actions = std::bitset<KeyBindings::kActionCount>;
    Actions padActions(const irr::SEvent::SJoystickEvent& pad) const;
    static bool isPadZero(const irr::SEvent& event);

    const KeyBindings& bindings;
    Actions padHeld;
    uint32_t padButtons = 0;
};

} // namespace Lumo
