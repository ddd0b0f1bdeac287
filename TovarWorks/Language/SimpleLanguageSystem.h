#pragma once
#include "TovarWorks/Language/ILanguageSystem.h"

#include <memory>
#include <vector>

namespace TovarWorks {

struct LanguageEntry {
    irr::core::stringw name;
    irr::core::stringw folder;
};

class SimpleLanguageSystem : public ILanguageSystem {
public:
    const irr::core::stringw& getText(const int& number) override;
    bool loadLanguage(const irr::core::stringw& name) override;
    void setFolder(irr::core::stringw path) override;

    size_t textCount() const { return texts.size(); }
    const std::vector<std::shared_ptr<LanguageEntry>>& languages() const { return languageList; }

    // Field n of a key line: before the first "=" is field 0, then comma-separated, quotes allowed.
    static irr::core::stringw keyLineField(const irr::core::stringw& line, int field);

private:
    std::vector<std::shared_ptr<LanguageEntry>> languageList;
    irr::core::stringw fallback = L"STRING_OUT_OF_BOUNDARIES";
    irr::core::stringw folder;
    irr::core::stringw currentLanguage;
    std::vector<irr::core::stringw> texts;
};

} // namespace TovarWorks
