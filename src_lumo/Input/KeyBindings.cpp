#include "src_lumo/Input/KeyBindings.h"

#include "TovarWorks/Console/IniReader.h"
#include "TovarWorks/Platform/Utf8.h"
#include "src_lumo/Input/KeyNames.h"

#include <algorithm>
#include <string>
#include <vector>

namespace Lumo {

namespace {

struct ActionRow {
    irr::EKEY_CODE canonicalKey;
    int defaultButton;
    const char* iniName;
};

// Face buttons as Linux and Windows number them for the common pads: 0 south (A), 1 east (B),
// 2 west (X), 7 start. The d-pad and the left stick always walk; walking buttons are for pads
// whose d-pad comes as buttons.
const ActionRow kActions[KeyBindings::kActionCount] = {
    {irr::KEY_UP, KeyBindings::kNoButton, "up"},
    {irr::KEY_DOWN, KeyBindings::kNoButton, "down"},
    {irr::KEY_LEFT, KeyBindings::kNoButton, "left"},
    {irr::KEY_RIGHT, KeyBindings::kNoButton, "right"},
    {irr::KEY_SPACE, 0, "act"},
    {irr::KEY_KEY_X, 1, "cancel"},
    {irr::KEY_KEY_C, 2, "pickup"},
    {irr::KEY_ESCAPE, 7, "menu"},
};

// Read by the game itself, whatever the bindings are.
bool reserved(irr::EKEY_CODE key) {
    return key == irr::KEY_F1 || key == irr::KEY_BACK || key == irr::KEY_KEY_L ||
           (key >= irr::KEY_KEY_0 && key <= irr::KEY_KEY_9);
}

template <typename T> void swapInto(std::array<T, KeyBindings::kActionCount>& slots, int action, T value) {
    const auto holder = std::find(slots.begin(), slots.end(), value);
    if (holder != slots.end())
        *holder = slots[action];
    slots[action] = value;
}

std::wstring iniKey(const char* prefix, int action) {
    const std::string key = std::string(prefix) + kActions[action].iniName;
    return std::wstring(key.begin(), key.end());
}

// Only a whole number: "2x" is as broken as "x".
std::optional<int> wholeNumber(const std::wstring& text) {
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
        return std::nullopt;
    return std::stoi(text);
}

std::wstring lowerCase(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return text;
}

template <typename T> bool contains(const std::vector<T>& list, T value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

} // namespace

irr::EKEY_CODE KeyBindings::canonicalKey(GameAction action) { return kActions[index(action)].canonicalKey; }

std::optional<GameAction> KeyBindings::actionOfCanonicalKey(irr::EKEY_CODE key) {
    for (int action = 0; action < kActionCount; ++action)
        if (kActions[action].canonicalKey == key)
            return static_cast<GameAction>(action);
    return std::nullopt;
}

const char* KeyBindings::name(GameAction action) { return kActions[index(action)].iniName; }

bool KeyBindings::canBind(irr::EKEY_CODE key) { return !reserved(key) && !KeyNames::name(key).empty(); }

KeyBindings::KeyBindings() {
    for (int action = 0; action < kActionCount; ++action) {
        keys[action] = kActions[action].canonicalKey;
        buttons[action] = kActions[action].defaultButton;
    }
}

std::optional<GameAction> KeyBindings::actionOfKey(irr::EKEY_CODE key) const {
    const auto found = std::find(keys.begin(), keys.end(), key);
    if (found == keys.end())
        return std::nullopt;
    return static_cast<GameAction>(found - keys.begin());
}

std::optional<GameAction> KeyBindings::actionOfButton(int button) const {
    const auto found = std::find(buttons.begin(), buttons.end(), button);
    if (button == kNoButton || found == buttons.end())
        return std::nullopt;
    return static_cast<GameAction>(found - buttons.begin());
}

bool KeyBindings::bindKey(GameAction action, irr::EKEY_CODE key) {
    if (!canBind(key))
        return false;
    swapInto(keys, index(action), key);
    return true;
}

bool KeyBindings::bindButton(GameAction action, int button) {
    if (button < 0 || button >= kButtonCount)
        return false;
    swapInto(buttons, index(action), button);
    return true;
}

void KeyBindings::read(const TovarWorks::IniReader& ini) {
    // A key or button the file names twice is kept by the first action that names it.
    std::vector<irr::EKEY_CODE> namedKeys;
    std::vector<int> namedButtons;
    for (int action = 0; action < kActionCount; ++action) {
        const std::optional<irr::EKEY_CODE> key = KeyNames::byName(lowerCase(ini.getString(iniKey("key_", action))));
        if (key && !contains(namedKeys, *key) && bindKey(static_cast<GameAction>(action), *key))
            namedKeys.push_back(*key);
        const std::wstring button = ini.getString(iniKey("pad_", action));
        const std::optional<int> number = wholeNumber(button);
        if (button == L"none")
            buttons[action] = kNoButton;
        else if (number && !contains(namedButtons, *number) && bindButton(static_cast<GameAction>(action), *number))
            namedButtons.push_back(*number);
    }
}

void KeyBindings::write(std::ostream& out) const {
    for (int action = 0; action < kActionCount; ++action)
        out << "key_" << kActions[action].iniName << "=" << TovarWorks::toUtf8(KeyNames::name(keys[action])) << "\n";
    for (int action = 0; action < kActionCount; ++action) {
        out << "pad_" << kActions[action].iniName << "=";
        if (buttons[action] == kNoButton)
            out << "none\n";
        else
            out << buttons[action] << "\n";
    }
}

} // namespace Lumo
