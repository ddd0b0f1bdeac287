#pragma once
// The story as the game starts it: the logic's scripts (intro, ending, letter, the merchant's and
// the barman's talk) and the shop rules' moments (a refusal, the merchant's thanks and chat,
// discovered goods), each played on the bakery's visual.
#include "TovarWorks/Events/IEventData.h"
#include "src_lumo/Game/StoryScripts.h"
#include "src_lumo/Shop/IShopSequences.h"
#include "src_lumo/Story/StoryBox.h"

#include <memory>

namespace Lumo {

struct FlagsAndPopularity;

class StorySequences : public StoryScripts, public IShopSequences {
public:
    // The shop's moments play on this visual; the logic's scripts on the one they are given.
    explicit StorySequences(std::weak_ptr<LumoVisual> visual) : visual(std::move(visual)) {}

    void intro(const std::shared_ptr<LumoVisual>& visual) override;
    void ending(const std::shared_ptr<LumoVisual>& visual) override;
    void letter(const std::shared_ptr<LumoVisual>& visual) override;
    void merchantTalk(const std::shared_ptr<LumoVisual>& visual) override;
    void barmanTalk(const std::shared_ptr<LumoVisual>& visual) override;

    void customerRefused() override;
    void merchantTastedBoule() override;
    // The shop asks once per good, when it marks the good as found.
    void goodDiscovered(int32_t kind) override;
    void merchantThanks() override;
    void loafPanThanks() override;
    void pipingBagThanks() override;

    // The merchant offers the loaf pan once after the boule has won him over; otherwise he talks
    // by the week. Marks the offer as made.
    static const StoryBox& merchantTalkBox(FlagsAndPopularity& story, int32_t day);

private:
    void playOnVisual(const StoryBox& box, const TovarWorks::IEventDataPtr& closingEvent = nullptr);

    std::weak_ptr<LumoVisual> visual;
};

} // namespace Lumo
