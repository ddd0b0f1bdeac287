#include "TovarWorks/Events/EventTypes.h"

namespace TovarWorks {

const EventType SetGameStateEventType("SetGameStateEvent");
const EventType StartNewDayEventType("StartNewDayEvent");
const EventType CloseChoiceEventType("CloseChoiceEvent");
const EventType SetNewDayEventType("SetNewDayEvent");
const EventType SetTimeEventType("SetTimeEvent");
const EventType SetTimerEventType("SetTimerEvent");
const EventType AddCharacterEventType("AddCharacterEvent");
const EventType ChangeVisualNodeEventType("ChangeVisualNodeEvent");
const EventType ChangeFaceDirEventType("ChangeFaceDirEvent");
const EventType TeleportCharacterEventType("TeleportCharacterEvent");
const EventType SetHudEventType("SetHudEvent");
const EventType SetAmbientColorSchemeEventType("SetAmbientColorSchemeEvent");
const EventType RemoveCharacterEventType("RemoveCharacterEvent");
const EventType ShowOverlayTextEventType("ShowOverlayTextEvent");
const EventType FadeOverlayTextEventType("FadeOverlayTextEvent");
const EventType StartNewGameEventType("StartNewGameEvent");
const EventType SpawnLetterEventType("SpawnLetterEvent");
const EventType RemoveCustomerEventType("RemoveCustomerEvent");
const EventType OpenMerchantMenueEventType("OpenMerchantMenueEvent");
const EventType CallActionEventType("CallActionEvent");
const EventType OpenBarMenueEventType("OpenBarMenueEvent");
const EventType SpareSetGameStateEventType("SetGameStateEvent");
const EventType SaveCuboldEventType("SaveCuboldEvent");
const EventType LoadCharacterEventType("LoadCharacterEvent");
const EventType PlaceCharacterEventType("PlaceCharacterEvent");
const EventType PlaySoundEventType("PlaySoundEvent");
const EventType FadeSoundEventType("FadeSoundEvent");
const EventType ShowEffectEventType("ShowEffectEvent");
const EventType NextTextEventType("NextTextEvent");
const EventType SetTextBoxEventType("SetTextBoxEvent");
const EventType SetNovelCharacterColorEventType("SetNovelCharacterColorEvent");
const EventType FlipNovelCharacterEventType("FlipNovelCharacterEvent");
const EventType ShowNovelCharacterEventType("ShowNovelCharacterEvent");
const EventType ClearNovelDataEventType("ClearNovelDataEvent");

const EventType* const kGameEventTypes[21] = {
    &SetGameStateEventType,      &StartNewDayEventType,       &CloseChoiceEventType,
    &SetNewDayEventType,         &SetTimeEventType,           &SetTimerEventType,
    &AddCharacterEventType,      &ChangeVisualNodeEventType,  &ChangeFaceDirEventType,
    &TeleportCharacterEventType, &SetHudEventType,            &SetAmbientColorSchemeEventType,
    &RemoveCharacterEventType,   &ShowOverlayTextEventType,   &FadeOverlayTextEventType,
    &StartNewGameEventType,      &SpawnLetterEventType,       &RemoveCustomerEventType,
    &OpenMerchantMenueEventType, &CallActionEventType,        &OpenBarMenueEventType};

} // namespace TovarWorks
