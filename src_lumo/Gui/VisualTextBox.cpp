#include "src_lumo/Gui/VisualTextBox.h"

#include "src_lumo/Game/GameData.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Lumo {

bool VisualTextBox::isInRange(const irr::core::vector3df&) const { return false; }

void VisualTextBox::nextPage() {
    ++pageIndex;
    typingTime = 0;
    pageComplete = false;
    if (pageIndex <= furthestPage)
        completePage();
    furthestPage = std::max(furthestPage, pageIndex);
}

bool VisualTextBox::previousPage() {
    if (!shown || pageIndex <= 0)
        return false;
    --pageIndex;
    typingTime = 0;
    pageComplete = false;
    completePage();
    return true;
}

void VisualTextBox::update(uint32_t deltaMillis) {
    if (!shown)
        return;
    typingTime += deltaMillis;
    const std::wstring* page = currentPage();
    // An empty page never completes: there is no last character to wait for.
    if (page && !page->empty() && visibleCount() >= page->size())
        pageComplete = true;
}

uint32_t VisualTextBox::msPerCharacter() const {
    const TextSpeed speed = gGameData ? gGameData->settings.textSpeed : TextSpeed::Normal;
    return pace.msPerCharacter * TextSpeeds::msPerCharacter(speed) / TextSpeeds::msPerCharacter(TextSpeed::Normal);
}

size_t VisualTextBox::visibleCount() const {
    const uint32_t perCharacter = msPerCharacter();
    return perCharacter == 0 ? std::numeric_limits<size_t>::max() : typingTime / perCharacter;
}

bool VisualTextBox::completePage() {
    const std::wstring* page = currentPage();
    if (!shown || pageComplete || !page || page->empty())
        return false;
    typingTime = std::max<uint32_t>(typingTime, msPerCharacter() * page->size() + pace.dropMs);
    pageComplete = true;
    return true;
}

const std::wstring* VisualTextBox::currentPage() const {
    if (pageIndex < 0 || pageIndex >= static_cast<int32_t>(pages.size()))
        return nullptr;
    return &pages[pageIndex];
}

int VisualTextBox::dropOffsetPixels(size_t index) const {
    const float sinceAppeared = static_cast<float>(typingTime) - static_cast<float>(msPerCharacter() * index);
    const float settled = std::min(sinceAppeared / static_cast<float>(pace.dropMs), 1.0f);
    return static_cast<int>(-16.0f * std::sin(2.0f * (1.0f - settled)));
}

void VisualTextBox::drawTypedText(const GuiPainter& painter, const BitmapFont& font, float x, float y,
                                  int lineHeight) const {
    const std::wstring* page = currentPage();
    if (!page)
        return;
    const size_t count = std::min(visibleCount(), page->size());
    float penX = x;
    float penY = y;
    for (size_t i = 0; i < count; ++i) {
        const wchar_t character = (*page)[i];
        if (character == L'\n') {
            penX = x;
            penY += lineHeight;
            continue;
        }
        font.drawGlyph(painter, character, penX, penY, irr::video::SColor(0xFFFFFFFF), dropOffsetPixels(i));
        penX += BitmapFont::kCell;
    }
}

} // namespace Lumo
