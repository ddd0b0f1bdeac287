#include "src_lumo/Events/ChangeGameStateEvent.h"

#include "TovarWorks/TovarDevice.h"

namespace Lumo {

ChangeGameStateEvent::ChangeGameStateEvent(bool logicActive, bool playerControl)
    : BaseEventData(TovarWorks::gDevice ? TovarWorks::gDevice->getTime() : 0),
      logicActive(logicActive), playerControl(playerControl) {}

} // namespace Lumo
