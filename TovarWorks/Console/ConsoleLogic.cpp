#include "TovarWorks/Console/ConsoleLogic.h"

#include "TovarWorks/TovarDevice.h"

#include <algorithm>
#include <cmath>

using irr::core::rect;
using irr::core::stringw;
using irr::video::SColor;

namespace TovarWorks {

namespace {
constexpr uint32_t kFadeMillis = 1000;
constexpr int kMargin = 20;
constexpr int kLineLeft = 40;
constexpr uint32_t kPulsePeriod = 4000;

SColor withAlpha(uint32_t colour, uint32_t alpha) { return SColor((colour & 0x00FFFFFFu) | (alpha << 24)); }
} // namespace

ConsoleLogic::ConsoleLogic(irr::gui::IGUIFont* consoleFont) : font(consoleFont) {
    if (font)
        lineHeight = font->getDimension(L"A").Height;
}

void ConsoleLogic::updateGame() {
    if (!gDevice || !gDevice->getVideoDriver())
        return;
    irr::video::IVideoDriver* driver = gDevice->getVideoDriver();
    drawBackground(driver, true, gDevice->getTime());
    drawLines(driver, gDevice->getTime());
}

void ConsoleLogic::addLine(uint32_t colour, int level, const stringw& text, const stringw& suffix) {
    ConsoleLine line{text, colour, level, gDevice ? gDevice->getTime() : 0};
    if (!suffix.empty())
        line.text += suffix;
    lines.push_back(line);
    if (lines.size() > kMaxLines)
        lines.erase(lines.begin());
}

void ConsoleLogic::appendChar(wchar_t c) {
    if (c != 0)
        input.append(c);
}

void ConsoleLogic::backspace() {
    if (!input.empty())
        input = input.subString(0, input.size() - 1);
}

void ConsoleLogic::recordHistory(const stringw& line) {
    history.push_back(line);
    historyIndex = static_cast<int>(history.size());
}

void ConsoleLogic::historyUp() {
    historyIndex = std::max(historyIndex - 1, 0);
    if (!history.empty())
        input = history[historyIndex];
}

void ConsoleLogic::historyDown() {
    const int size = static_cast<int>(history.size());
    if (historyIndex == size)
        return;
    historyIndex = std::min(historyIndex + 1, size - 1);
    input = history[historyIndex];
}

void ConsoleLogic::scrollUp() {
    if (scroll > 0)
        --scroll;
}

void ConsoleLogic::scrollDown() {
    if (visibleCount + scroll < static_cast<int>(lines.size()))
        ++scroll;
}

void ConsoleLogic::setDebugVariable(int id, const stringw& name, const stringw& value) {
    for (DebugVariable& variable : debugVariables) {
        if (variable.id == id) {
            variable.value = value;
            return;
        }
    }
    debugVariables.push_back({id, name, value});
}

void ConsoleLogic::drawBackground(irr::video::IVideoDriver* driver, bool pulse, uint32_t now) {
    const auto size = driver->getScreenSize();
    const rect<irr::s32> box(kMargin, kMargin, size.Width - kMargin, size.Height - kMargin);
    driver->draw2DRectangle(box, SColor(0x00000000), SColor(0x1E003296), SColor(0x32003296),
                            SColor(0xFF9696FF));
    if (!pulse)
        return;
    const float f = 1.0f - static_cast<float>(now % kPulsePeriod) / kPulsePeriod;
    const uint32_t strong = static_cast<uint32_t>(std::lround(f * 150));
    const uint32_t weak = static_cast<uint32_t>(std::lround(f * 50));
    driver->draw2DRectangle(box, withAlpha(0x003296, strong), withAlpha(0x003296, strong),
                            withAlpha(0x9696FF, weak), withAlpha(0x9696FF, weak));
}

void ConsoleLogic::drawLines(irr::video::IVideoDriver* driver, uint32_t now) {
    if (!font)
        return;
    const auto size = driver->getScreenSize();
    const int screenWidth = static_cast<int>(size.Width);
    const int screenHeight = static_cast<int>(size.Height);
    int y = kLineLeft;
    visibleCount = 0;
    for (int i = static_cast<int>(lines.size()) - 1 - scroll; i >= 0; --i) {
        const ConsoleLine& line = lines[i];
        uint32_t alpha = 255;
        if (!open) {
            const uint32_t age = now - line.created;
            if (age > lineLifetime)
                break;
            if (age + kFadeMillis > lineLifetime)
                alpha = 255 * (lineLifetime - age) / kFadeMillis;
        }
        if (y + 10 + lineHeight > screenHeight - kMargin)
            break;
        y += lineHeight;
        if (line.level == MSG_SEPARATOR) {
            const int middle = y + lineHeight / 2;
            driver->draw2DLine({kLineLeft, middle}, {screenWidth - kMargin, middle}, withAlpha(line.colour, alpha));
        } else {
            const auto textSize = font->getDimension(line.text.c_str());
            const rect<irr::s32> area(kLineLeft, y, kLineLeft + textSize.Width, y + textSize.Height);
            driver->draw2DRectangle(SColor(alpha, 0, 0, 0), area);
            font->draw(line.text, area, withAlpha(line.colour, alpha));
        }
        ++visibleCount;
    }

    if (!open || visibleCount == 0 || lines.empty())
        return;
    const float count = static_cast<float>(lines.size());
    const float height = static_cast<float>(screenHeight - kMargin);
    const int top = static_cast<int>(scroll / count * height);
    const int bottom = static_cast<int>(std::min(1.0f, (visibleCount + scroll) / count) * height);
    driver->draw2DRectangle(rect<irr::s32>(20, top, 30, bottom), SColor(0xFF000000), SColor(0xFF000000),
                            SColor(0x80000000), SColor(0x80000000));
    driver->draw2DRectangle(rect<irr::s32>(22, top + 2, 28, bottom - 2), SColor(0xFFC8C8E6),
                            SColor(0xFFC8C8E6), SColor(0xC8C8C8E6), SColor(0xC8C8C8E6));
}

void ConsoleLogic::drawInputLine(irr::video::IVideoDriver* driver) {
    if (!font)
        return;
    const auto size = driver->getScreenSize();
    const rect<irr::s32> area(60, 5, size.Width - 60, 5 + lineHeight);
    driver->draw2DRectangle(SColor(0xFF000000), area);
    font->draw(stringw(L"Input> ") + input, area, SColor(0xFFFFFFFF));
}

void ConsoleLogic::drawDebugVariables(irr::video::IVideoDriver* driver) {
    if (!font || debugVariables.empty())
        return;
    const int screenHeight = static_cast<int>(driver->getScreenSize().Height);
    widestName = 0;
    widestRow = 0;
    for (const DebugVariable& variable : debugVariables) {
        widestName = std::max<int>(widestName, font->getDimension(variable.name.c_str()).Width);
        widestRow = std::max<int>(widestRow, font->getDimension(variable.value.c_str()).Width);
    }
    const int valueX = 10 + widestName + 25;
    const int bottom = screenHeight - 5;
    const int top = bottom - lineHeight * static_cast<int>(debugVariables.size());
    driver->draw2DRectangle(SColor(0xFF000000), rect<irr::s32>(5, top, valueX + widestRow + 5, bottom));
    int y = top;
    for (const DebugVariable& variable : debugVariables) {
        font->draw(variable.name, rect<irr::s32>(10, y, valueX, y + lineHeight), SColor(0xFFFFFFFF));
        font->draw(variable.value, rect<irr::s32>(valueX, y, valueX + widestRow, y + lineHeight), SColor(0xFFFFFFFF));
        y += lineHeight;
    }
}

} // namespace TovarWorks
