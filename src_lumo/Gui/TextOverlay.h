#pragma once
// The large centred line for announcements ("day 2"): fades in when shown, out when told to.
#include "TovarWorks/Events/IEventData.h"
#include "src_lumo/Gui/GuiElement.h"

#include <cstdint>
#include <string>

namespace Lumo {

class TextOverlay : public GuiElement {
public:
    static constexpr float kDefaultDuration = 2000.0f;

    TextOverlay() { visible = false; }

    void show(const std::wstring& newText, float durationMillis = kDefaultDuration);
    void fadeOut() { fadingIn = false; }
    void update(uint32_t deltaMillis);
    void draw() override;
    // Takes ShowOverlayTextEvent and FadeOverlayTextEvent; true when the event was one of them.
    bool handleEvent(const TovarWorks::IEventData& event);

    // 0 transparent ... 255 opaque.
    uint32_t alpha() const;
    const std::wstring& getText() const { return text; }
    bool isFadingIn() const { return fadingIn; }

private:
    std::wstring text;
    float timer = 0.0f;
    float duration = kDefaultDuration;
    bool fadingIn = false;
};

} // namespace Lumo
