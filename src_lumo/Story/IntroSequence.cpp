#include "src_lumo/Story/IntroSequence.h"

#include "TovarWorks/Events/IEventData.h"
#include "TovarWorks/Processes/CallEventProcess.h"
#include "TovarWorks/Processes/MergeProcess.h"
#include "TovarWorks/Processes/WaitProcess.h"
#include "src_lumo/Events/ChangeVisualNodeEvent.h"
#include "src_lumo/Events/FadeOverlayTextEvent.h"
#include "src_lumo/Events/RemoveCharacterEvent.h"
#include "src_lumo/Events/SetAmbientColorSchemeEvent.h"
#include "src_lumo/Events/SetHudEvent.h"
#include "src_lumo/Events/ShowOverlayTextEvent.h"
#include "src_lumo/Processes/FadeScreenProcess.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Story/DialogueTable.h"
#include "src_lumo/Story/StoryChain.h"

namespace Lumo {

namespace {

const std::string kHero = "hero";
const std::string kMother = "m_node";
const std::string kFriend = "f_node";
constexpr int32_t kWarmLight = 1;
constexpr int32_t kDayLight = 0;

// Hands out the intro's boxes in the order the scenes read them.
class IntroBoxes {
public:
    const StoryBox& next() { return DialogueTable::intro().at(index++); }

private:
    size_t index = 0;
};

std::shared_ptr<TovarWorks::MergeProcess> together(bool holdNext, const std::vector<TovarWorks::ProcessPtr>& members) {
    auto merge = std::make_shared<TovarWorks::MergeProcess>(holdNext);
    for (const TovarWorks::ProcessPtr& member : members)
        merge->AddMember(member);
    return merge;
}

TovarWorks::ProcessPtr followedBy(const TovarWorks::ProcessPtr& first, const TovarWorks::ProcessPtr& then) {
    first->SetNext(then);
    return first;
}

} // namespace

void IntroSequence::play(const std::shared_ptr<LumoVisual>& visual) {
    StoryChain chain(visual);
    IntroBoxes boxes;

    // Long ago: a summer afternoon in the bakery, little Sophie and her mum.
    chain.event(std::make_shared<SetHudEvent>(false));
    chain.event(std::make_shared<SetAmbientColorSchemeEvent>(kWarmLight));
    chain.event(std::make_shared<ChangeVisualNodeEvent>(L"baeckerin_child", kHero));
    chain.teleport(kHero, irr::core::vector3df(825, 0, 605));
    chain.face(kHero, FACE_RIGHT);
    chain.addCharacter(kMother, "bs_e", L"mother", FACE_LEFT);
    chain.wait(2000);
    chain.fadeIn(2500);
    chain.wait(500);

    chain.box(boxes.next());
    chain.wait(500);
    chain.box(boxes.next());
    chain.wait(100);

    // To the storeroom.
    chain.process(together(true, {chain.walkProcess(kMother, "bs_e", "st_e"), chain.walkProcess(kHero, "bs_e", "st_e2")}));
    chain.face(kMother, FACE_DOWN);
    chain.face(kHero, FACE_UP);
    chain.wait(500);
    chain.box(boxes.next());
    chain.wait(200);

    // To the work table; the child follows a little later.
    chain.process(together(true, {chain.walkProcess(kMother, "st_e", "bs_tab"),
                                  followedBy(std::make_shared<TovarWorks::WaitProcess>(1750),
                                             chain.walkProcess(kHero, "st_e2", "bs_mid"))}));
    chain.face(kMother, FACE_RIGHT);
    chain.face(kHero, FACE_LEFT);
    chain.wait(500);
    chain.box(boxes.next());
    chain.wait(500);
    chain.box(boxes.next());
    chain.wait(500);
    chain.box(boxes.next());
    chain.wait(500);

    // The oven.
    chain.walk(kMother, "bs_tab", "bs_of");
    chain.face(kMother, FACE_DOWN);
    chain.face(kHero, FACE_UP);
    chain.wait(500);
    chain.box(boxes.next());
    chain.wait(500);
    chain.box(boxes.next());
    chain.wait(500);
    chain.box(boxes.next());
    chain.wait(500);

    // The memory fades while Sophie tells the rest.
    chain.process(together(false, {std::make_shared<FadeScreenProcess>(false, 4000)}));
    chain.box(boxes.next());
    chain.wait(3000);
    chain.box(boxes.next());
    chain.wait(2000);
    chain.event(std::make_shared<ShowOverlayTextEvent>(DialogueTable::overlayText(DialogueTable::kYearsLater)));
    chain.wait(3000);
    chain.event(std::make_shared<FadeOverlayTextEvent>());

    // Ten years later: the grown-up baker behind the counter, and her friend drops in.
    chain.event(std::make_shared<RemoveCharacterEvent>(kMother));
    chain.event(std::make_shared<SetAmbientColorSchemeEvent>(kDayLight));
    chain.event(std::make_shared<ChangeVisualNodeEvent>(L"baeckerin", kHero));
    chain.teleport(kHero, irr::core::vector3df(815, 0, 545));
    chain.face(kHero, FACE_UP);
    chain.wait(30);
    chain.fadeIn(2000);
    chain.addCharacter(kFriend, "bs_1", L"male2", FACE_DOWN);
    chain.walk(kFriend, "bs_1", "sh_1");
    chain.face(kFriend, FACE_LEFT);
    chain.face(kHero, FACE_RIGHT);
    chain.box(boxes.next());
    chain.wait(500);
    chain.box(boxes.next());
    chain.wait(500);
    chain.box(boxes.next());
    chain.wait(500);
    chain.box(boxes.next());
    chain.wait(500);
    chain.box(boxes.next());

    // He leaves for the park while she turns to her shop.
    chain.process(together(false, {followedBy(chain.walkProcess(kFriend, "sh_1", "park"),
                                              std::make_shared<TovarWorks::CallEventProcess>(
                                                  std::make_shared<RemoveCharacterEvent>(kFriend), 0))}));
    chain.wait(2000);
    chain.face(kHero, FACE_DOWN);
    chain.wait(1000);
    chain.event(std::make_shared<SetHudEvent>(true));
    chain.clockOn();
    chain.releaseLater();
    chain.launch();
}

} // namespace Lumo
