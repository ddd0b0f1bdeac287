#pragma once
// Which key and which game-pad button stand for each of the game's actions. Every action has its
// own key: giving one a key another has swaps the two, so no key ever means two things. The
// console's F1 and the keys the game reads by themselves (digits and backspace for prices, L for
// the calendar) cannot be given away.
#include <irrlicht.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>

namespace TovarWorks {
class IniReader;
}

namespace Lumo {

enum class GameAction { WalkUp, WalkDown, WalkLeft, WalkRight, Act, Cancel, PickUp, Menu };

class KeyBindings {
public:
    static constexpr int kActionCount = 8;
    static constexpr int kNoButton = -1;
    static constexpr int kButtonCount = 32; // as many as Irrlicht reports

    // The key each menu and widget of the game knows the action by; the player's keys and the pad
    // are turned into these before anything else sees them.
    static irr::EKEY_CODE canonicalKey(GameAction action);
    static std::optional<GameAction> actionOfCanonicalKey(irr::EKEY_CODE key);
    // "up", "act", "pickup", ...: the action's name in settings.ini and in the {placeholders}
    // by which texts name its key.
    static const char* name(GameAction action);
    static bool canBind(irr::EKEY_CODE key);

    KeyBindings();

    irr::EKEY_CODE key(GameAction action) const { return keys[index(action)]; }
    int button(GameAction action) const { return buttons[index(action)]; }
    std::optional<GameAction> actionOfKey(irr::EKEY_CODE key) const;
    std::optional<GameAction> actionOfButton(int button) const;

    // False (and nothing changed) for a key that cannot be bound.
    bool bindKey(GameAction action, irr::EKEY_CODE key);
    // False for a number that is no pad button.
    bool bindButton(GameAction action, int button);

    // The "key_..." and "pad_..." entries; a missing or unusable one keeps what is bound.
    void read(const TovarWorks::IniReader& ini);
    void write(std::ostream& out) const;

private:
    static int index(GameAction action) { return static_cast<int>(action); }

    std::array<irr::EKEY_CODE, kActionCount> keys;
    std::array<int, kActionCount> buttons;
};

} // namespace Lumo
