#include "src_lumo/Input/KeyWords.h"

#include "TovarWorks/Language/GameTexts.h"
#include "src_lumo/Input/KeyNames.h"

#include <cctype>

namespace Lumo {

std::string KeyWords::actionId(GameAction action) {
    std::string id = std::string("ACTION_") + KeyBindings::name(action);
    for (char& c : id)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return id;
}

std::wstring KeyWords::action(GameAction action) const { return texts.getGameText(actionId(action)); }

std::wstring KeyWords::key(irr::EKEY_CODE key) const {
    const std::string id = KeyNames::textId(key);
    return id.empty() ? KeyNames::name(key) : texts.getGameText(id);
}

std::wstring KeyWords::button(int button) const {
    if (button == KeyBindings::kNoButton)
        return L"";
    return texts.getGameText("KEYS_PAD") + L" " + std::to_wstring(button);
}

std::wstring KeyWords::pressAKey() const { return texts.getGameText("KEYS_PRESS"); }

std::wstring KeyWords::withBoundKeys(std::wstring text, const KeyBindings& bindings) const {
    for (int index = 0; index < KeyBindings::kActionCount; ++index) {
        const GameAction action = static_cast<GameAction>(index);
        const std::string name = std::string("{") + KeyBindings::name(action) + "}";
        const std::wstring placeholder(name.begin(), name.end());
        for (size_t at = text.find(placeholder); at != std::wstring::npos; at = text.find(placeholder, at)) {
            const std::wstring shown = key(bindings.key(action));
            text.replace(at, placeholder.size(), shown);
            at += shown.size();
        }
    }
    return text;
}

} // namespace Lumo
