#include "src_lumo/Gui/VisualTextBoxBubble.h"

#include "src_lumo/Game/GameData.h"
#include "src_lumo/Gui/FramedBoard.h"
#include "src_lumo/Gui/GuiSheetLayout.h"
#include "src_lumo/Gui/InterfaceView.h"

#include <algorithm>

namespace Lumo {

namespace {
constexpr float kTailHeight = 32.0f;
constexpr float kTailOverlap = 4.0f; // the tail covers the board's bottom frame a little
} // namespace

VisualTextBoxBubble::VisualTextBoxBubble(const irr::core::vector3df& position, InterfaceProjector projector)
    : worldPosition(position), projector(std::move(projector)) {}

InterfaceProjector VisualTextBoxBubble::cameraProjector(irr::scene::ICameraSceneNode* camera) {
    return [camera](const irr::core::vector3df& world, irr::core::vector2df& units) {
        if (!camera)
            return false;
        irr::core::matrix4 transform = camera->getProjectionMatrix();
        transform *= camera->getViewMatrix();
        irr::f32 point[4] = {world.X, world.Y, world.Z, 1.0f};
        transform.multiplyWith1x4Matrix(point);
        if (point[3] <= 0.0f)
            return false;
        units.X = (point[0] / point[3] + 1.0f) * InterfaceView::kWidth * 0.5f;
        units.Y = (1.0f - point[1] / point[3]) * InterfaceView::kHeight * 0.5f;
        return true;
    };
}

bool VisualTextBoxBubble::isInRange(const irr::core::vector3df& heroPosition) const {
    return hearingRange != kNoRange && heroPosition.getDistanceFrom(worldPosition) < hearingRange;
}

irr::core::rectf VisualTextBoxBubble::boardArea(const irr::core::vector2df& anchor) const {
    const std::wstring* page = currentPage();
    const irr::core::dimension2di text = BitmapFont::measure(page ? *page : L"", kLineHeight);
    const float width = 2 * FramedBoard::kFrame + text.Width;
    const float height = 2 * FramedBoard::kFrame + text.Height;
    const float bottom = anchor.Y - kTailHeight + kTailOverlap;
    const float left = std::clamp(anchor.X - width / 2, kMargin, InterfaceView::kWidth - kMargin - width);
    const float top = std::clamp(bottom - height, kMargin, InterfaceView::kHeight - kMargin - height);
    return {left, top, left + width, top + height};
}

void VisualTextBoxBubble::draw() {
    irr::core::vector2df anchor;
    if (!shown || !visible || !currentPage() || !projector || !projector(worldPosition, anchor))
        return;
    const GuiPainter painter = GuiPainter::forGame();
    irr::video::ITexture* skin = gGameData ? gGameData->gui2Texture : nullptr;
    const irr::core::rectf board = boardArea(anchor);
    FramedBoard::draw(painter, skin, board);
    const float tailX = std::clamp(anchor.X, board.UpperLeftCorner.X + FramedBoard::kFrame,
                                   board.LowerRightCorner.X - FramedBoard::kFrame);
    const float tailTop = board.LowerRightCorner.Y - kTailOverlap;
    painter.drawImage(skin, GuiSheetLayout::kBubbleTail.rect(),
                      irr::core::rectf(tailX - 8, tailTop, tailX + 8, tailTop + kTailHeight));
    drawTypedText(painter, BitmapFont::forGame(), board.UpperLeftCorner.X + FramedBoard::kFrame,
                  board.UpperLeftCorner.Y + FramedBoard::kFrame, kLineHeight);
}

} // namespace Lumo
