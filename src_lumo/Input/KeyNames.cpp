#include "src_lumo/Input/KeyNames.h"

#include <utility>
#include <vector>

namespace Lumo {

namespace {

const std::vector<std::pair<irr::EKEY_CODE, std::wstring>>& namedKeys() {
    static const std::vector<std::pair<irr::EKEY_CODE, std::wstring>> keys = [] {
        std::vector<std::pair<irr::EKEY_CODE, std::wstring>> list = {
            {irr::KEY_UP, L"up"},           {irr::KEY_DOWN, L"down"},         {irr::KEY_LEFT, L"left"},
            {irr::KEY_RIGHT, L"right"},     {irr::KEY_SPACE, L"space"},       {irr::KEY_RETURN, L"return"},
            {irr::KEY_ESCAPE, L"escape"},   {irr::KEY_TAB, L"tab"},           {irr::KEY_LSHIFT, L"left shift"},
            {irr::KEY_RSHIFT, L"right shift"}, {irr::KEY_LCONTROL, L"left ctrl"}, {irr::KEY_RCONTROL, L"right ctrl"},
            {irr::KEY_INSERT, L"insert"},   {irr::KEY_DELETE, L"delete"},     {irr::KEY_HOME, L"home"},
            {irr::KEY_END, L"end"},         {irr::KEY_PRIOR, L"page up"},     {irr::KEY_NEXT, L"page down"},
            {irr::KEY_COMMA, L","},         {irr::KEY_PERIOD, L"."},          {irr::KEY_MINUS, L"-"},
        };
        for (int letter = 0; letter < 26; ++letter)
            list.emplace_back(static_cast<irr::EKEY_CODE>(irr::KEY_KEY_A + letter),
                              std::wstring(1, static_cast<wchar_t>(L'a' + letter)));
        for (int digit = 0; digit < 10; ++digit) {
            list.emplace_back(static_cast<irr::EKEY_CODE>(irr::KEY_KEY_0 + digit), std::to_wstring(digit));
            list.emplace_back(static_cast<irr::EKEY_CODE>(irr::KEY_NUMPAD0 + digit), L"num " + std::to_wstring(digit));
        }
        for (int f = 1; f <= 12; ++f)
            list.emplace_back(static_cast<irr::EKEY_CODE>(irr::KEY_F1 + f - 1), L"f" + std::to_wstring(f));
        return list;
    }();
    return keys;
}

} // namespace

std::wstring KeyNames::name(irr::EKEY_CODE key) {
    for (const auto& [code, keyName] : namedKeys())
        if (code == key)
            return keyName;
    return L"";
}

std::optional<irr::EKEY_CODE> KeyNames::byName(const std::wstring& name) {
    for (const auto& [code, keyName] : namedKeys())
        if (keyName == name)
            return code;
    return std::nullopt;
}

} // namespace Lumo
