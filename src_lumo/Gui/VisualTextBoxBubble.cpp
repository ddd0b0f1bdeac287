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
    : VisualTextBox(kBubblePace), worldPosition(position), projector(std::move(projector)) {}

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

VisualTextBoxBubble::Layout VisualTextBoxBubble::layout(const irr::core::vector2df& anchor) const {
    const std::wstring* page = currentPage();
    const irr::core::dimension2di text = BitmapFont::measure(page ? *page : L"", kLineHeight);
    const float width = 2 * FramedBoard::kFrame + text.Width;
    const float height = 2 * FramedBoard::kFrame + text.Height;
    const float tailBelow = kTailHeight - kTailOverlap;
    const float bottom = anchor.Y - tailBelow;
    const float left = std::clamp(anchor.X - width / 2, kMargin, InterfaceView::kWidth - kMargin - width);
    // The tail hangs below the board, so near the bottom edge the board keeps the tail's height free.
    const float top = std::clamp(bottom - height, kMargin, InterfaceView::kHeight - kMargin - tailBelow - height);
    const irr::core::rectf board(left, top, left + width, top + height);
    const float tailX = std::clamp(anchor.X, left + FramedBoard::kFrame, board.LowerRightCorner.X - FramedBoard::kFrame);
    const float tailTop = board.LowerRightCorner.Y - kTailOverlap;
    return {board, irr::core::rectf(tailX - 8, tailTop, tailX + 8, tailTop + kTailHeight)};
}

void VisualTextBoxBubble::draw() {
    irr::core::vector2df anchor;
    if (!shown || !visible || !currentPage() || !projector || !projector(worldPosition, anchor))
        return;
    const GuiPainter painter = GuiPainter::forGame();
    irr::video::ITexture* skin = gGameData ? gGameData->gui2Texture : nullptr;
    const Layout area = layout(anchor);
    FramedBoard::draw(painter, skin, area.board);
    painter.drawImage(skin, GuiSheetLayout::kBubbleTail.rect(), area.tail);
    drawTypedText(painter, BitmapFont::forGame(), area.board.UpperLeftCorner.X + FramedBoard::kFrame,
                  area.board.UpperLeftCorner.Y + FramedBoard::kFrame, kLineHeight);
}

} // namespace Lumo
