#include "src_lumo/Input/KeyNames.h"

#include <vector>

namespace Lumo {

namespace {

struct NamedKey {
    irr::EKEY_CODE code;
    std::wstring name;
    std::string textId;
};

const std::vector<NamedKey>& namedKeys() {
    static const std::vector<NamedKey> keys = [] {
        std::vector<NamedKey> list = {
            {irr::KEY_UP, L"up", "KEY_UP"},
            {irr::KEY_DOWN, L"down", "KEY_DOWN"},
            {irr::KEY_LEFT, L"left", "KEY_LEFT"},
            {irr::KEY_RIGHT, L"right", "KEY_RIGHT"},
            {irr::KEY_SPACE, L"space", "KEY_SPACE"},
            {irr::KEY_RETURN, L"return", "KEY_RETURN"},
            {irr::KEY_ESCAPE, L"escape", "KEY_ESCAPE"},
            {irr::KEY_TAB, L"tab", "KEY_TAB"},
            {irr::KEY_LSHIFT, L"left shift", "KEY_LEFT_SHIFT"},
            {irr::KEY_RSHIFT, L"right shift", "KEY_RIGHT_SHIFT"},
            {irr::KEY_LCONTROL, L"left ctrl", "KEY_LEFT_CTRL"},
            {irr::KEY_RCONTROL, L"right ctrl", "KEY_RIGHT_CTRL"},
            {irr::KEY_INSERT, L"insert", "KEY_INSERT"},
            {irr::KEY_DELETE, L"delete", "KEY_DELETE"},
            {irr::KEY_HOME, L"home", "KEY_HOME"},
            {irr::KEY_END, L"end", "KEY_END"},
            {irr::KEY_PRIOR, L"page up", "KEY_PAGE_UP"},
            {irr::KEY_NEXT, L"page down", "KEY_PAGE_DOWN"},
            {irr::KEY_COMMA, L",", ""},
            {irr::KEY_PERIOD, L".", ""},
            {irr::KEY_MINUS, L"-", ""},
        };
        for (int letter = 0; letter < 26; ++letter)
            list.push_back({static_cast<irr::EKEY_CODE>(irr::KEY_KEY_A + letter),
                            std::wstring(1, static_cast<wchar_t>(L'a' + letter)), ""});
        for (int digit = 0; digit < 10; ++digit) {
            list.push_back({static_cast<irr::EKEY_CODE>(irr::KEY_KEY_0 + digit), std::to_wstring(digit), ""});
            list.push_back({static_cast<irr::EKEY_CODE>(irr::KEY_NUMPAD0 + digit), L"num " + std::to_wstring(digit), ""});
        }
        for (int f = 1; f <= 12; ++f)
            list.push_back({static_cast<irr::EKEY_CODE>(irr::KEY_F1 + f - 1), L"f" + std::to_wstring(f), ""});
        return list;
    }();
    return keys;
}

const NamedKey* find(irr::EKEY_CODE key) {
    for (const NamedKey& named : namedKeys())
        if (named.code == key)
            return &named;
    return nullptr;
}

} // namespace

std::wstring KeyNames::name(irr::EKEY_CODE key) {
    const NamedKey* named = find(key);
    return named ? named->name : L"";
}

std::optional<irr::EKEY_CODE> KeyNames::byName(const std::wstring& name) {
    for (const NamedKey& named : namedKeys())
        if (named.name == name)
            return named.code;
    return std::nullopt;
}

std::string KeyNames::textId(irr::EKEY_CODE key) {
    const NamedKey* named = find(key);
    return named ? named->textId : "";
}

} // namespace Lumo
