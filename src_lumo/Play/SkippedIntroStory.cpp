#include "src_lumo/Play/SkippedIntroStory.h"

#include "TovarWorks/Processes/ProcessChain.h"
#include "src_lumo/Events/ChangeFaceDirEvent.h"
#include "src_lumo/Events/ChangeGameStateEvent.h"
#include "src_lumo/Events/SetHudEvent.h"
#include "src_lumo/Events/SetTimerEvent.h"
#include "src_lumo/Events/TeleportCharacterEvent.h"
#include "src_lumo/Processes/FadeScreenProcess.h"

namespace Lumo {

void SkippedIntroStory::intro(const std::shared_ptr<LumoVisual>&) {
    // The logic has frozen the game: nothing moves until the fade has brought the scene back.
    TovarWorks::ProcessChain chain;
    chain.AddEvent(std::make_shared<TeleportCharacterEvent>("hero", irr::core::vector3df(815, 0, 545)), 0);
    chain.AddEvent(std::make_shared<ChangeFaceDirEvent>("hero", 0), 0);
    chain.AddProcess(std::make_shared<FadeScreenProcess>(true, kFadeInMillis));
    chain.AddEvent(std::make_shared<SetHudEvent>(true), 0);
    chain.AddEvent(std::make_shared<SetTimerEvent>(true), 0);
    chain.AddEvent(std::make_shared<ChangeGameStateEvent>(true, true), 0);
    chain.Launch();
}

} // namespace Lumo
