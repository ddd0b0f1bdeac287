#include "src_lumo/Gui/HudElement.h"

#include "src_lumo/Game/GameData.h"
#include "src_lumo/Gui/GuiSheetLayout.h"

#include <algorithm>

namespace Lumo {

namespace {
constexpr int kDayBoxWidth = 38;
constexpr int kFirstDayRight = 278;
constexpr int kStripEnd = 544;
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

irr::video::SColor HudElement::clockColour(int minuteOfDay) {
    const int hour = minuteOfDay / 60;
    return irr::video::SColor(hour >= 8 && hour <= 14 ? 0xFF64FF64 : 0xFFFFFFFF);
}

irr::core::rectf HudElement::dayBoxArea(int weekDay) {
    const float right = static_cast<float>(kFirstDayRight + kDayBoxWidth * weekDay);
    return {right - kDayBoxWidth, 16, right, 38};
}

void HudElement::draw() {
    if (!visible)
        return;
    const GuiPainter painter = GuiPainter::forGame();
    irr::video::ITexture* sheet = gGameData ? gGameData->guiTexture : nullptr;
    painter.drawImage(sheet, GuiSheetLayout::kTopStrip.rect(), irr::core::rectf(0, 0, 640, 52));

    const int today = status->weekDay();
    for (int day = 0; kFirstDayRight + kDayBoxWidth * day < kStripEnd; ++day) {
        const irr::core::rectf box = dayBoxArea(day);
        const GuiSheetLayout::Region boxImage = day == today ? GuiSheetLayout::kDayBoxToday : GuiSheetLayout::kDayBox;
        painter.drawImage(sheet, boxImage.rect(), box);
        painter.drawImage(sheet, GuiSheetLayout::dayLabel(day).rect(),
                          irr::core::rectf(box.UpperLeftCorner.X, 18, box.LowerRightCorner.X, 40));
    }

    const int minute = status->minuteOfDay();
    BitmapFont::forGame().drawText(painter, clockText(minute), 550, 20, clockColour(minute));
    moneyCounter.drawTowards(status->money());
}

} // namespace Lumo
