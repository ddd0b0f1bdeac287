#pragma once
// Every dialogue box the story shows, as text ids. The sequences take their boxes from here, and
// the text checks read the same table, so no id can be asked for that the checks never saw.
#include "src_lumo/Story/StoryBox.h"

#include <cstdint>
#include <vector>

namespace Lumo {

class DialogueTable {
public:
    // The morning letter of that day: "L_1_" and the day.
    static StoryBox letter(int32_t day);
    // Sophie's remark on a newly discovered good; null for goods she has nothing to say about.
    static const StoryBox* goodsRemark(int32_t kind);

    static const StoryBox kCustomerRefusal;
    static const StoryBox kMerchantThanks;
    static const StoryBox kMerchantChat;
    static const StoryBox kLoafPanThanks;
    static const StoryBox kPipingBagThanks;
    static const StoryBox kBarmanTalk;
    static const StoryBox kMerchantFirstWeek;
    static const StoryBox kMerchantLaterWeeks;
    static const StoryBox kMerchantLoafPanOffer;
    static const StoryBox kEndingLost;
    static const StoryBox kEndingWon;
    // The intro's boxes in the order they appear.
    static const std::vector<StoryBox>& intro();

    // Every box the story can show, the letters of all days included.
    static std::vector<StoryBox> all();
    // Ids of the texts drawn over the whole screen rather than in a box.
    static const std::vector<std::string>& overlayTextIds();
    // The overlay text with that id in the game's language, as ShowOverlayTextEvent carries it.
    static std::string overlayText(const std::string& id);

    static const char* const kYearsLater;
    static const char* const kGameOver;
    static const char* const kYouWin;
};

} // namespace Lumo
