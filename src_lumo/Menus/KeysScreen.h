#pragma once
// The options' "keys" page: one row per action with its key and its pad button. The player
// chooses a row, confirms, and the next key or pad button pressed becomes the action's.
#include "src_lumo/Input/ActionInput.h"
#include "src_lumo/Input/KeyBindings.h"
#include "src_lumo/Input/KeyWords.h"

#include <irrlicht.h>

#include <string>

namespace Lumo {

class KeysScreen {
public:
    void open();
    bool isOpen() const { return shown; }
    bool isWaiting() const { return waiting; }
    int getSelection() const { return selection; }

    // A canonical key press: up and down choose, act waits for the new key, cancel and menu leave.
    void handleKey(irr::EKEY_CODE key);
    // The key or button pressed while waiting; one that cannot be bound leaves the page waiting.
    void bind(const PressedInput& pressed, KeyBindings& bindings);

    // The row's label and its two values as drawn ("act", "space", "pad 0"), in the words given.
    static std::wstring label(int row, const KeyWords& words);
    std::wstring keyText(int row, const KeyBindings& bindings, const KeyWords& words) const;
    std::wstring buttonText(int row, const KeyBindings& bindings, const KeyWords& words) const;

private:
    int selection = 0;
    bool shown = false;
    bool waiting = false;
};

} // namespace Lumo
