#include "src_lumo/Gui/HudElement.h"

#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/GameLanguages.h"
#include "src_lumo/Gui/GuiSheetLayout.h"

#include <algorithm>
#include <cmath>

namespace Lumo {

namespace {
constexpr int kDayBoxWidth = 38;
constexpr int kFirstDayRight = 278;
constexpr int kStripEnd = 544;
// The day sits on a dark inset of its own between the money and the week days, its letters set
// closer than the font's cells (as the week days' labels are) to fit "day 13/13".
const irr::core::rectf kDayInset(128, 12, 236, 42);
constexpr float kDayLetterPitch = 12.0f;
constexpr float kGlyphInk = 10.0f; // the drawn part of a 16-unit cell
const irr::video::SColor kInsetColour(255, 112, 68, 38);
} // namespace

HudElement::HudElement(const GameStatus& status) : status(&status), moneyCounter(5, L'$') {}

std::wstring HudElement::clockText(int minuteOfDay) {
    const int minutes = std::max(minuteOfDay, 0);
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    std::wstring text;
    if (hours < 10)
        text += L'0';
    text += std::to_wstring(hours) + L':';
    if (rest < 10)
        text += L'0';
    return text + std::to_wstring(rest);
}

std::wstring HudElement::dayText(int day) {
    const std::wstring word = gGameData ? gGameData->texts.getGameText("HUD_DAY") : L"day";
    return word + L" " + std::to_wstring(day) + L"/" + std::to_wstring(WorldState::kLastDay);
}

irr::video::SColor HudElement::clockColour(int minuteOfDay) {
    const int hour = minuteOfDay / 60;
    return irr::video::SColor(hour >= 8 && hour <= 14 ? 0xFF64FF64 : 0xFFFFFFFF);
}

irr::core::rectf HudElement::dayBoxArea(int weekDay) {
    const float right = static_cast<float>(kFirstDayRight + kDayBoxWidth * weekDay);
    return {right - kDayBoxWidth, 16, right, 38};
}

irr::core::rectf HudElement::opaqueArea() { return irr::core::rectf(0, 0, 640, 52); }

void HudElement::draw() {
    if (!visible)
        return;
    const GuiPainter painter = GuiPainter::forGame();
    irr::video::ITexture* sheet = gGameData ? gGameData->guiTexture : nullptr;
    painter.drawImage(sheet, GuiSheetLayout::kTopStrip.rect(), opaqueArea());

    const int today = status->weekDay();
    for (int day = 0; kFirstDayRight + kDayBoxWidth * day < kStripEnd; ++day) {
        const irr::core::rectf box = dayBoxArea(day);
        const GuiSheetLayout::Region boxImage = day == today ? GuiSheetLayout::kDayBoxToday : GuiSheetLayout::kDayBox;
        painter.drawImage(sheet, boxImage.rect(), box);
        painter.drawImage(sheet, GuiSheetLayout::dayLabel(day, GameLanguages::currentIndex()).rect(),
                          irr::core::rectf(box.UpperLeftCorner.X, 18, box.LowerRightCorner.X, 40));
    }

    painter.fillRect(kDayInset, kInsetColour);
    const std::wstring day = dayLine();
    const float inked = kDayLetterPitch * static_cast<float>(day.size() - 1) + kGlyphInk;
    const float left = std::floor(kDayInset.getCenter().X - inked / 2.0f) - 3.0f;
    BitmapFont::forGame().drawTight(painter, day, left, 20, irr::video::SColor(0xFFFFFFFF), kDayLetterPitch);

    const int minute = status->minuteOfDay();
    BitmapFont::forGame().drawText(painter, clockText(minute), 550, 20, clockColour(minute));
    moneyCounter.drawTowards(status->money());
}

} // namespace Lumo
