#include "support/NullDeviceFixture.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"
#include "TovarWorks/Events/FlipNovelCharacterEvent.h"
#include "TovarWorks/Events/NextTextEvent.h"
#include "TovarWorks/Events/SetNovelCharacterColorEvent.h"
#include "TovarWorks/Events/SetTextBoxEvent.h"
#include "src_lumo/Events/AddCharacterEvent.h"
#include "src_lumo/Events/CallActionEvent.h"
#include "src_lumo/Events/ChangeFaceDirEvent.h"
#include "src_lumo/Events/ChangeGameStateEvent.h"
#include "src_lumo/Events/ChangeVisualNodeEvent.h"
#include "src_lumo/Events/CloseChoiceEvent.h"
#include "src_lumo/Events/FadeOverlayTextEvent.h"
#include "src_lumo/Events/OpenMerchantMenueEvent.h"
#include "src_lumo/Events/RemoveCharacterEvent.h"
#include "src_lumo/Events/RemoveCustomerEvent.h"
#include "src_lumo/Events/SetAmbientColorSchemeEvent.h"
#include "src_lumo/Events/SetHudEvent.h"
#include "src_lumo/Events/SetNewDayEvent.h"
#include "src_lumo/Events/SetTimeEvent.h"
#include "src_lumo/Events/SetTimerEvent.h"
#include "src_lumo/Events/ShowOverlayTextEvent.h"
#include "src_lumo/Events/SpawnLetterEvent.h"
#include "src_lumo/Events/StartNewDayEvent.h"
#include "src_lumo/Events/StartNewGameEvent.h"
#include "src_lumo/Events/TeleportCharacterEvent.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace TovarWorks;
using namespace Lumo;

TEST(EventCatalogue, EveryClassAnswersItsTypeConstant) {
    const irr::core::vector3df at(1, 2, 3);
    const std::pair<std::shared_ptr<IEventData>, const EventType*> cases[] = {
        {std::make_shared<StartNewDayEvent>(), &StartNewDayEventType},
        {std::make_shared<CloseChoiceEvent>(), &CloseChoiceEventType},
        {std::make_shared<SetNewDayEvent>(), &SetNewDayEventType},
        {std::make_shared<SetTimeEvent>(6, 0), &SetTimeEventType},
        {std::make_shared<SetTimerEvent>(true), &SetTimerEventType},
        {std::make_shared<AddCharacterEvent>(at, L"def", "hero", 2), &AddCharacterEventType},
        {std::make_shared<ChangeVisualNodeEvent>(L"def", "hero"), &ChangeVisualNodeEventType},
        {std::make_shared<ChangeFaceDirEvent>("hero", 1), &ChangeFaceDirEventType},
        {std::make_shared<TeleportCharacterEvent>("hero", at), &TeleportCharacterEventType},
        {std::make_shared<SetHudEvent>(false), &SetHudEventType},
        {std::make_shared<SetAmbientColorSchemeEvent>(1), &SetAmbientColorSchemeEventType},
        {std::make_shared<RemoveCharacterEvent>("hero"), &RemoveCharacterEventType},
        {std::make_shared<ShowOverlayTextEvent>("day 2"), &ShowOverlayTextEventType},
        {std::make_shared<FadeOverlayTextEvent>(), &FadeOverlayTextEventType},
        {std::make_shared<StartNewGameEvent>(), &StartNewGameEventType},
        {std::make_shared<SpawnLetterEvent>(), &SpawnLetterEventType},
        {std::make_shared<RemoveCustomerEvent>(), &RemoveCustomerEventType},
        {std::make_shared<OpenMerchantMenueEvent>(), &OpenMerchantMenueEventType},
        {std::make_shared<CallActionEvent>(6), &CallActionEventType},
        {std::make_shared<NextTextEvent>(), &NextTextEventType},
        {std::make_shared<SetTextBoxEvent>(), &SetTextBoxEventType},
        {std::make_shared<SetNovelCharacterColorEvent>(), &SetNovelCharacterColorEventType},
        {std::make_shared<FlipNovelCharacterEvent>(), &FlipNovelCharacterEventType},
    };
    for (const auto& entry : cases) {
        EXPECT_EQ(entry.second, &entry.first->GetEventType()) << entry.second->getName();
        EXPECT_EQ(0u, entry.first->GetTimeStamp()) << entry.second->getName();
        EXPECT_FALSE(entry.first->next) << entry.second->getName();
    }
}

TEST(EventCatalogue, ChangeGameStateEventAnswersTheTypeNamedSetGameStateEvent) {
    const ChangeGameStateEvent event(true, false);
    EXPECT_EQ("SetGameStateEvent", event.GetEventType().getName());
    EXPECT_EQ(SpareSetGameStateEventType, event.GetEventType()); // same hash, same type
    EXPECT_TRUE(event.logicActive);
    EXPECT_FALSE(event.playerControl);
    EXPECT_EQ(0u, event.GetTimeStamp()); // no device, no time
}

TEST(EventCatalogue, EventsCopyTheSendersStrings) {
    std::wstring definition = L"lumodata/2d/def_baeckerin.xml";
    std::string id = "hero";
    const AddCharacterEvent event(irr::core::vector3df(1, 0, 2), definition, id, 3);
    definition[0] = L'X';
    id = "villain";
    EXPECT_EQ(L"lumodata/2d/def_baeckerin.xml", event.definition);
    EXPECT_EQ("hero", event.id);
    EXPECT_EQ(3, event.facing);
    EXPECT_EQ(irr::core::vector3df(1, 0, 2), event.position);
}

TEST(EventCatalogue, CopyingSharesTheFollowUpAndKeepsTheStamp) {
    SetTimeEvent original(7, 30);
    original.timeStamp = 99;
    original.next = std::make_shared<SpawnLetterEvent>();
    const SetTimeEvent copy(original);
    EXPECT_EQ(original.next, copy.next);
    EXPECT_EQ(99u, copy.GetTimeStamp());
    EXPECT_EQ(7, copy.hour);
    EXPECT_EQ(30, copy.minute);
}

TEST(EventCatalogue, SetTextBoxEventIsEmptyByDefault) {
    const SetTextBoxEvent event;
    EXPECT_TRUE(event.text.empty());
    EXPECT_TRUE(event.speaker.empty());
    EXPECT_FALSE(event.textBox);
}

class EventCatalogueOnDevice : public NullDeviceFixture {};

TEST_F(EventCatalogueOnDevice, ChangeGameStateEventStampsItselfWithTheDeviceTime) {
    advanceTime(4321);
    const uint32_t now = device().getTime();
    ASSERT_NE(0u, now);
    const ChangeGameStateEvent event(true, true);
    EXPECT_EQ(now, event.GetTimeStamp());
    EXPECT_EQ(0u, SetTimerEvent(true).GetTimeStamp());
}

TEST_F(EventCatalogueOnDevice, NovelEventsAreRefusedByTheDevicesEventManager) {
    EventManager& events = *device().getEventManager();
    const size_t before = events.queue(0).size() + events.queue(1).size();
    EXPECT_FALSE(events.QueueEvent(std::make_shared<NextTextEvent>()));
    EXPECT_EQ(before, events.queue(0).size() + events.queue(1).size());
}
