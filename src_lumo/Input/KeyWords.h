#pragma once
// The words the player reads for actions, keys and pad buttons, in the language of the game
// texts given: the keys page's rows and the key a hint names. Settings keep the English key names.
#include "src_lumo/Input/KeyBindings.h"

#include <irrlicht.h>

#include <string>

namespace TovarWorks {
class GameTexts;
}

namespace Lumo {

class KeyWords {
public:
    explicit KeyWords(const TovarWorks::GameTexts& texts) : texts(texts) {}

    // "ACTION_PICKUP": the text that labels the action on the keys page.
    static std::string actionId(GameAction action);

    std::wstring action(GameAction action) const;
    std::wstring key(irr::EKEY_CODE key) const;
    // "pad 3"; empty for no button.
    std::wstring button(int button) const;
    std::wstring pressAKey() const;
    // Every "{act}", "{cancel}", ... (the actions' names) replaced by the name of the key the
    // player has given that action, so "{act}: talk" reads "e: talk" once act is on E.
    std::wstring withBoundKeys(std::wstring text, const KeyBindings& bindings) const;

private:
    const TovarWorks::GameTexts& texts;
};

} // namespace Lumo
