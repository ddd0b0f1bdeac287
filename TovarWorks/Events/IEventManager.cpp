#include "TovarWorks/Events/IEventManager.h"

namespace TovarWorks {

namespace {
IEventManager* currentEventManager = nullptr;
}

IEventManager::IEventManager() { currentEventManager = this; }

IEventManager::~IEventManager() {
    if (currentEventManager == this)
        currentEventManager = nullptr;
}

IEventManager* IEventManager::Current() { return currentEventManager; }

} // namespace TovarWorks
