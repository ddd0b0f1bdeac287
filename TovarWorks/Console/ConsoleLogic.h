#pragma once
// The developer console: the engine's own logic, in charge while no game logic is set.
#include "TovarWorks/GameLogic.h"

#include <irrlicht.h>

#include <cstdint>
#include <vector>

namespace TovarWorks {

struct ConsoleLine {
    irr::core::stringw text;
    uint32_t colour;
    int level;
    uint32_t created;
};

struct DebugVariable {
    int id;
    irr::core::stringw name;
    irr::core::stringw value;
};

class ConsoleLogic : public GameLogic {
public:
    static constexpr size_t kMaxLines = 1000;
    static constexpr uint32_t kLineLifetime = 6000;

    explicit ConsoleLogic(irr::gui::IGUIFont* font);

    void updateGame() override; // draws the full-screen console
    const char* GetName() override { return "Root GameLogicclass"; }

    void addLine(uint32_t colour, int level, const irr::core::stringw& text,
                 const irr::core::stringw& suffix = L"");
    void appendChar(wchar_t c);
    void backspace();
    void historyUp();
    void historyDown();
    void scrollUp();
    void scrollDown();
    void recordHistory(const irr::core::stringw& line);
    void setDebugVariable(int id, const irr::core::stringw& name, const irr::core::stringw& value);

    // Drawing, called by the device's main loop.
    void drawLines(irr::video::IVideoDriver* driver, uint32_t now);
    void drawBackground(irr::video::IVideoDriver* driver, bool pulse, uint32_t now);
    void drawInputLine(irr::video::IVideoDriver* driver);
    void drawDebugVariables(irr::video::IVideoDriver* driver);

    irr::gui::IGUIFont* font;
    std::vector<ConsoleLine> lines;
    std::vector<DebugVariable> debugVariables;
    std::vector<irr::core::stringw> history;
    int historyIndex = 0;
    int widestName = 0;
    int widestRow = 0;
    bool open = false;
    int lineHeight = 0;
    uint32_t lineLifetime = kLineLifetime;
    irr::core::stringw input;
    int scroll = 0;
    int visibleCount = 0;
};

} // namespace TovarWorks
