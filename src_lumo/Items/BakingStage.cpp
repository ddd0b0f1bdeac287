#include "src_lumo/Items/BakingStage.h"

namespace Lumo {

namespace {

const wchar_t* const kGoodsPrefixes[] = {L"item_bun_",      L"item_bigbun_", L"item_bread_",
                                         L"item_crossaint_", L"item_baguette_", L"item_baiser_",
                                         L"item_donut_"};
constexpr int32_t kGoodsTypes = 7;

} // namespace

int32_t BakingStage::forMinutes(int32_t bakedMinutes, int32_t bakeMinutes)
{
    // Compared in whole numbers so that 9 of 10 minutes is exactly 0.9 and still raw.
    const int64_t baked = bakedMinutes;
    const int64_t target = bakeMinutes;
    if (2 * baked > 3 * target)
        return STAGE_BURNT;
    if (10 * baked > 11 * target)
        return STAGE_DARK;
    if (10 * baked > 9 * target)
        return STAGE_BAKED;
    return STAGE_RAW;
}

float BakingStage::qualityOf(int32_t stage)
{
    switch (stage) {
    case STAGE_BAKED:
        return 1.f;
    case STAGE_DARK:
        return 0.5f;
    default:
        return 0.f;
    }
}

std::wstring BakingStage::frameName(int32_t goodsType, int32_t stage)
{
    if (goodsType < 1 || goodsType > kGoodsTypes || stage < STAGE_RAW || stage > STAGE_BURNT)
        return L"item_unknown";
    std::wstring name = kGoodsPrefixes[goodsType - 1] + std::to_wstring(stage);
    // The raw baiser and donut are spelled with a double underscore in the item sheet.
    if (stage == STAGE_RAW && (goodsType == 6 || goodsType == 7))
        name.insert(5, L"_");
    return name;
}

} // namespace Lumo
