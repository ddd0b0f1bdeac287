#include "src_lumo/Items/ShopDropFields.h"

namespace Lumo {

namespace {

using irr::core::vector3df;

ItemDropFieldPtr field(const vector3df& min, const vector3df& max, std::initializer_list<vector3df> spots, float size)
{
    std::vector<DropPoint> points;
    for (const vector3df& spot : spots)
        points.push_back(DropPoint{spot, size, nullptr});
    return std::make_shared<ItemDropField>(irr::core::aabbox3df(min, max), std::move(points));
}

} // namespace

std::vector<ItemDropFieldPtr> ShopDropFields::create()
{
    return {
        field({820, 0, 590}, {860, 6.5f, 597}, {{830, 8.5f, 595}, {840, 8.5f, 595}, {850, 8.5f, 595}}, 10.f),
        field({820, 0, 580}, {850, 6.5f, 585}, {{827.5f, 8.5f, 585}, {837.5f, 8.5f, 585}, {847.5f, 8.5f, 585}}, 10.f),
        field({780, 0, 580}, {810, 6.5f, 585}, {{782.5f, 8.5f, 585}, {792.5f, 8.5f, 585}, {802.5f, 8.5f, 585}}, 10.f),
        field({770, 0, 560}, {830, 6.5f, 570},
              {{775, 10, 565}, {785, 10, 565}, {795, 10, 565}, {805, 10, 565}, {825, 10, 565}}, 15.f),
        field({840, 0, 560}, {860, 6.5f, 570}, {{845, 10, 565}, {855, 10, 565}}, 15.f),
        field({770, 0, 600}, {800, 6.5f, 630}, {{792.5f, 10, 615}}, 25.f),
        field({770, 0, 630}, {785, 6.5f, 640}, {{780, 10, 635}}, 25.f),
    };
}

} // namespace Lumo
