#include "src_lumo/Story/StorySequences.h"

#include "src_lumo/Events/OpenBarMenueEvent.h"
#include "src_lumo/Events/OpenMerchantMenueEvent.h"
#include "src_lumo/Events/RemoveCustomerEvent.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Story/DialogueTable.h"
#include "src_lumo/Story/DialogueTemplate.h"
#include "src_lumo/Story/EndingSequence.h"
#include "src_lumo/Story/IntroSequence.h"

namespace Lumo {

namespace {
constexpr int32_t kSecondWeek = 8;
} // namespace

void StorySequences::intro(const std::shared_ptr<LumoVisual>& on) { IntroSequence::play(on); }

void StorySequences::ending(const std::shared_ptr<LumoVisual>& on) { EndingSequence::play(on); }

void StorySequences::letter(const std::shared_ptr<LumoVisual>& on) {
    DialogueTemplate::play(on, DialogueTable::letter(gGameData->world.day));
}

void StorySequences::merchantTalk(const std::shared_ptr<LumoVisual>& on) {
    WorldState& world = gGameData->world;
    DialogueTemplate::play(on, merchantTalkBox(world.flagsAndPopularity, world.day),
                           std::make_shared<OpenMerchantMenueEvent>());
}

void StorySequences::barmanTalk(const std::shared_ptr<LumoVisual>& on) {
    DialogueTemplate::play(on, DialogueTable::kBarmanTalk, std::make_shared<OpenBarMenueEvent>());
}

const StoryBox& StorySequences::merchantTalkBox(FlagsAndPopularity& story, int32_t day) {
    if (story.flag("MERC_SELL_BOX") == 1 && story.flag("MERC_SELL_BOX_TEXT") == 0) {
        story.setFlag("MERC_SELL_BOX_TEXT", 1.0f);
        return DialogueTable::kMerchantLoafPanOffer;
    }
    return day < kSecondWeek ? DialogueTable::kMerchantFirstWeek : DialogueTable::kMerchantLaterWeeks;
}

void StorySequences::playOnVisual(const StoryBox& box, const TovarWorks::IEventDataPtr& closingEvent) {
    if (const std::shared_ptr<LumoVisual> on = visual.lock())
        DialogueTemplate::play(on, box, closingEvent);
}

void StorySequences::customerRefused() {
    playOnVisual(DialogueTable::kCustomerRefusal, std::make_shared<RemoveCustomerEvent>());
}

void StorySequences::merchantTastedBoule() { playOnVisual(DialogueTable::kMerchantChat); }

void StorySequences::goodDiscovered(int32_t kind) {
    if (const StoryBox* remark = DialogueTable::goodsRemark(kind))
        playOnVisual(*remark);
}

void StorySequences::merchantThanks() { playOnVisual(DialogueTable::kMerchantThanks); }

void StorySequences::loafPanThanks() { playOnVisual(DialogueTable::kLoafPanThanks); }

void StorySequences::pipingBagThanks() { playOnVisual(DialogueTable::kPipingBagThanks); }

} // namespace Lumo
