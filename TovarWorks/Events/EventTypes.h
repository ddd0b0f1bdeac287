#pragma once
// Every event type the system defines, in definition order. Types nobody registers are refused by
// the event manager; their events can still exist (a loaded event log creates the novel ones).
#include "TovarWorks/Events/HashedString.h"

namespace TovarWorks {

// Game events, registered at start-up.
extern const EventType SetGameStateEventType;
extern const EventType StartNewDayEventType;
extern const EventType CloseChoiceEventType;
extern const EventType SetNewDayEventType;
extern const EventType SetTimeEventType;
extern const EventType SetTimerEventType;
extern const EventType AddCharacterEventType;
extern const EventType ChangeVisualNodeEventType;
extern const EventType ChangeFaceDirEventType;
extern const EventType TeleportCharacterEventType;
extern const EventType SetHudEventType;
extern const EventType SetAmbientColorSchemeEventType;
extern const EventType RemoveCharacterEventType;
extern const EventType ShowOverlayTextEventType;
extern const EventType FadeOverlayTextEventType;
extern const EventType StartNewGameEventType;
extern const EventType SpawnLetterEventType;
extern const EventType RemoveCustomerEventType;
extern const EventType OpenMerchantMenueEventType;
extern const EventType CallActionEventType;
extern const EventType OpenBarMenueEventType;
// Spare names: never registered, listened for or returned.
extern const EventType SpareSetGameStateEventType;
extern const EventType SaveCuboldEventType;
extern const EventType LoadCharacterEventType;
extern const EventType PlaceCharacterEventType;
// Sound and effect events, registered by the device.
extern const EventType PlaySoundEventType;
extern const EventType FadeSoundEventType;
extern const EventType ShowEffectEventType;
// Novel events: never registered.
extern const EventType NextTextEventType;
extern const EventType SetTextBoxEventType;
extern const EventType SetNovelCharacterColorEventType;
extern const EventType FlipNovelCharacterEventType;
extern const EventType ShowNovelCharacterEventType;
extern const EventType ClearNovelDataEventType;

// The 21 game types in the order start-up registers them.
extern const EventType* const kGameEventTypes[21];

} // namespace TovarWorks
