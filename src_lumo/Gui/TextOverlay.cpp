#include "src_lumo/Gui/TextOverlay.h"

#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Platform/Utf8.h"
#include "src_lumo/Events/ShowOverlayTextEvent.h"
#include "src_lumo/Gui/BitmapFont.h"

#include <algorithm>
#include <cmath>

namespace Lumo {

void TextOverlay::show(const std::wstring& newText, float durationMillis) {
    text = newText;
    timer = 0.0f;
    duration = durationMillis;
    visible = true;
    fadingIn = true;
}

void TextOverlay::update(uint32_t deltaMillis) {
    if (!visible)
        return;
    if (fadingIn)
        timer = std::min(timer + deltaMillis, duration);
    else
        timer = std::max(timer - deltaMillis, 0.0f);
}

uint32_t TextOverlay::alpha() const {
    if (duration <= 0.0f)
        return fadingIn ? 255 : 0;
    return static_cast<uint32_t>(std::lround(255.0f * timer / duration));
}

void TextOverlay::draw() {
    if (!visible)
        return;
    const uint32_t colour = (alpha() << 24) | 0xFFFFFF;
    const float x = 320.0f - 8.0f * static_cast<float>(text.size());
    BitmapFont::forGame().drawText(GuiPainter::forGame(), text, x, 172.0f, irr::video::SColor(colour));
}

bool TextOverlay::handleEvent(const TovarWorks::IEventData& event) {
    if (event.GetEventType() == TovarWorks::ShowOverlayTextEventType) {
        show(TovarWorks::fromUtf8(static_cast<const ShowOverlayTextEvent&>(event).text));
        return true;
    }
    if (event.GetEventType() == TovarWorks::FadeOverlayTextEventType) {
        fadeOut();
        return true;
    }
    return false;
}

} // namespace Lumo
