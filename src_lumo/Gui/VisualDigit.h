#pragma once
// One wheel of the rolling money counter. Steps queue up and roll one after another, carrying
// into (or borrowing from) the next higher wheel; the last queued step rolls ten times slower,
// so a counter coming to rest settles visibly.
#include "src_lumo/Gui/BitmapFont.h"
#include "src_lumo/Gui/GuiElement.h"

#include <memory>

namespace Lumo {

class VisualDigit : public GuiElement {
public:
    // rank: 0 for the lowest digit; higher wheels roll more slowly.
    VisualDigit(int rank, std::unique_ptr<VisualDigit> higher);

    // The counter draws the wheels itself with drawAt.
    void draw() override {}
    void drawAt(const GuiPainter& painter, const BitmapFont& font, float x, float y,
                const irr::core::recti& clipPixels) const;

    void stepUp() { ++pending; }
    void stepDown() { --pending; }
    // Rolls this wheel and every higher one by a frame's milliseconds.
    void update(float deltaMillis);

    int getDigit() const { return digit; }
    int getPending() const { return pending; }
    float getPhase() const { return phase; }
    float getStepTime() const { return stepTime; }
    VisualDigit* getHigher() const { return higher.get(); }

private:
    int pending = 0;
    int digit = 0;
    float stepTime;
    float phase = 0.0f;
    std::unique_ptr<VisualDigit> higher;
};

} // namespace Lumo
