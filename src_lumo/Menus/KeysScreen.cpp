#include "src_lumo/Menus/KeysScreen.h"

#include <algorithm>

namespace Lumo {

namespace {
GameAction actionOfRow(int row) { return static_cast<GameAction>(row); }
} // namespace

void KeysScreen::open() {
    shown = true;
    waiting = false;
    selection = 0;
}

void KeysScreen::handleKey(irr::EKEY_CODE key) {
    switch (key) {
    case irr::KEY_UP:
        selection = std::max(selection - 1, 0);
        break;
    case irr::KEY_DOWN:
        selection = std::min(selection + 1, KeyBindings::kActionCount - 1);
        break;
    case irr::KEY_SPACE:
        waiting = true;
        break;
    case irr::KEY_KEY_X:
    case irr::KEY_ESCAPE:
        shown = false;
        break;
    default:
        break;
    }
}

void KeysScreen::bind(const PressedInput& pressed, KeyBindings& bindings) {
    const GameAction action = actionOfRow(selection);
    const bool bound = pressed.key ? bindings.bindKey(action, *pressed.key) : bindings.bindButton(action, pressed.button);
    if (bound)
        waiting = false;
}

std::wstring KeysScreen::label(int row, const KeyWords& words) {
    return row >= 0 && row < KeyBindings::kActionCount ? words.action(actionOfRow(row)) : L"";
}

std::wstring KeysScreen::keyText(int row, const KeyBindings& bindings, const KeyWords& words) const {
    if (waiting && row == selection)
        return words.pressAKey();
    return words.key(bindings.key(actionOfRow(row)));
}

std::wstring KeysScreen::buttonText(int row, const KeyBindings& bindings, const KeyWords& words) const {
    if (waiting && row == selection)
        return L"";
    return words.button(bindings.button(actionOfRow(row)));
}

} // namespace Lumo
