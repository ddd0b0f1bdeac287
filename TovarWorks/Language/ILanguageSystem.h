#pragma once
#include <irrlicht.h>

namespace TovarWorks {

// Engine texts by number, chosen by language name from a language folder.
class ILanguageSystem {
public:
    virtual ~ILanguageSystem() = default;
    virtual const irr::core::stringw& getText(const int& number) = 0;
    virtual bool loadLanguage(const irr::core::stringw& name) = 0;
    virtual void setFolder(irr::core::stringw path) = 0;
};

} // namespace TovarWorks
