#include "tools/sprites/ContactSheet.h"

#include <algorithm>

namespace SpriteArt {

ContactSheet::ContactSheet(int columns, int cellWidth, int cellHeight, Colour background)
    : mColumns(columns), mCellWidth(cellWidth), mCellHeight(cellHeight), mBackground(background)
{
}

void ContactSheet::newRow()
{
    if (mColumn == 0 && mRowHeight == 0)
        return;
    mRowTop += mRowHeight + 2;
    mColumn = 0;
    mRowHeight = 0;
}

void ContactSheet::add(const RgbaImage& picture)
{
    if (mColumn >= mColumns)
        newRow();
    mPlaced.push_back({picture, mColumn * mCellWidth, mRowTop});
    mRowHeight = std::max(mRowHeight, std::max(mCellHeight, picture.height()));
    ++mColumn;
}

void ContactSheet::addWide(const RgbaImage& picture)
{
    newRow();
    mPlaced.push_back({picture, 0, mRowTop});
    mRowHeight = picture.height();
    mColumn = mColumns;
    newRow();
}

RgbaImage ContactSheet::render(int scale) const
{
    int width = mColumns * mCellWidth;
    int height = 0;
    for (const Placed& p : mPlaced) {
        width = std::max(width, p.x + p.picture.width());
        height = std::max(height, p.y + p.picture.height());
    }
    RgbaImage canvas(width, height, mBackground);
    for (const Placed& p : mPlaced)
        canvas.blend(p.picture, p.x, p.y);
    return canvas.scaled(scale);
}

} // namespace SpriteArt
