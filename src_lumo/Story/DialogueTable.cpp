#include "src_lumo/Story/DialogueTable.h"

#include "TovarWorks/Platform/Utf8.h"
#include "src_lumo/Bakery/GoodKind.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/WorldState.h"

#include <string>

namespace Lumo {

namespace {

const StoryBox kBreadRemark{"N_SOPHIE", {"DIS_B_1", "DIS_B_2"}};
const StoryBox kBouleRemark{"N_SOPHIE", {"DIS_BB_1"}};
const StoryBox kBaiserRemark{"N_SOPHIE", {"DIS_BA_1"}};
const StoryBox kCroissantRemark{"N_SOPHIE", {"DIS_CR_1", "DIS_CR_2"}};
const StoryBox kDonutRemark{"N_SOPHIE", {"DIS_DO_1", "DIS_DO_2"}};

} // namespace

const StoryBox DialogueTable::kCustomerRefusal{"N_CUSTOMER", {"CUS_NO_1"}};
const StoryBox DialogueTable::kMerchantThanks{"N_MERCHANT", {"MERC_TH", "MERC_TH2"}};
const StoryBox DialogueTable::kMerchantChat{"N_MERCHANT", {"MERC_CU_1", "MERC_CU_2", "MERC_CU_3"}};
const StoryBox DialogueTable::kLoafPanThanks{"N_MERCHANT", {"MERC_TH_BOX_1", "MERC_TH_BOX_2"}};
// The second page's id has always been spelled with an X; the text files carry it that way.
const StoryBox DialogueTable::kPipingBagThanks{"N_MERCHANT", {"MERC_TH_BAG_1", "MERX_TH_BAG_2"}};
const StoryBox DialogueTable::kBarmanTalk{"N_BARMAN", {"BAR_H_1"}};
const StoryBox DialogueTable::kMerchantFirstWeek{"N_MERCHANT", {"MERC_1_1", "MERC_1_2"}};
const StoryBox DialogueTable::kMerchantLaterWeeks{"N_MERCHANT", {"MERC_2_1"}};
const StoryBox DialogueTable::kMerchantLoafPanOffer{"N_MERCHANT", {"MERC_TB_1", "MERC_TB_2", "MERC_TB_3"}};
const StoryBox DialogueTable::kEndingLost{"N_FRIEND", {"ED_1_L_1", "ED_1_L_2"}};
const StoryBox DialogueTable::kEndingWon{"N_FRIEND", {"ED_1_W_1", "ED_1_W2"}};

const char* const DialogueTable::kYearsLater = "OVERLAY_YEARS_LATER";
const char* const DialogueTable::kGameOver = "OVERLAY_GAME_OVER";
const char* const DialogueTable::kYouWin = "OVERLAY_YOU_WIN";

StoryBox DialogueTable::letter(int32_t day) { return {"N_LETTER", {"L_1_" + std::to_string(day)}}; }

const StoryBox* DialogueTable::goodsRemark(int32_t kind) {
    switch (kind) {
    case kBread:
        return &kBreadRemark;
    case kBoule:
        return &kBouleRemark;
    case kBaiser:
        return &kBaiserRemark;
    case kCrossaint:
        return &kCroissantRemark;
    case kDonut:
        return &kDonutRemark;
    default:
        return nullptr;
    }
}

const std::vector<StoryBox>& DialogueTable::intro() {
    static const std::vector<StoryBox> boxes = {
        {"N_SOPHIE", {"INTRO_1", "INTRO_2"}},
        {"N_MOTHER", {"INTRO_3", "INTRO_4"}},
        {"N_MOTHER", {"INTRO_5", "INTRO_6"}},
        {"N_MOTHER", {"INTRO_7", "INTRO_8"}},
        {"N_SOPHIE", {"INTRO_9"}},
        {"N_MOTHER", {"INTRO_10", "INTRO_11", "INTRO_12"}},
        {"N_MOTHER", {"INTRO_13", "INTRO_14", "INTRO_15", "INTRO_16"}},
        {"N_SOPHIE", {"INTRO_17"}},
        {"N_MOTHER", {"INTRO_18"}},
        {"N_SOPHIE", {"INTRO_19", "INTRO_20", "INTRO_21"}},
        {"N_SOPHIE", {"INTRO_22"}},
        {"N_FRIEND", {"INTRO_23", "INTRO_24"}},
        {"N_SOPHIE", {"INTRO_25"}},
        {"N_FRIEND", {"INTRO_26", "INTRO_27"}},
        {"N_SOPHIE", {"INTRO_28"}},
        {"N_FRIEND", {"INTRO_29", "INTRO_30"}},
    };
    return boxes;
}

std::vector<StoryBox> DialogueTable::all() {
    std::vector<StoryBox> boxes = intro();
    for (int32_t day = 1; day <= WorldState::kLastDay; ++day)
        boxes.push_back(letter(day));
    for (int32_t kind = 0; kind < kGoodKinds; ++kind)
        if (const StoryBox* remark = goodsRemark(kind))
            boxes.push_back(*remark);
    const StoryBox* const fixed[] = {&kCustomerRefusal,   &kMerchantThanks,      &kMerchantChat,
                                     &kLoafPanThanks,     &kPipingBagThanks,     &kBarmanTalk,
                                     &kMerchantFirstWeek, &kMerchantLaterWeeks,  &kMerchantLoafPanOffer,
                                     &kEndingLost,        &kEndingWon};
    for (const StoryBox* box : fixed)
        boxes.push_back(*box);
    return boxes;
}

const std::vector<std::string>& DialogueTable::overlayTextIds() {
    static const std::vector<std::string> ids = {kYearsLater, kGameOver, kYouWin};
    return ids;
}

std::string DialogueTable::overlayText(const std::string& id) { return TovarWorks::toUtf8(gameText(id)); }

} // namespace Lumo
