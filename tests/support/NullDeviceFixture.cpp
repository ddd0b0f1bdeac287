#include "NullDeviceFixture.h"

#include "TovarWorks/Events/EventManager.h"
#include "TovarWorks/Events/EventTypes.h"

#include <cstdlib>

void NullDeviceFixture::SetUp() {
    // Tests hear nothing: the sound layer opens SDL's silent output.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    TovarWorks::gDevice = new TovarWorks::TovarDevice();
    messages = std::make_shared<TovarWorks::RecordingMessageOutput>();
    TovarWorks::gDevice->setMessageOutput(messages);
    ASSERT_TRUE(TovarWorks::gDevice->init(640, 360, false, irr::video::EDT_NULL));
    TovarWorks::gDevice->getIrrlichtDevice()->getTimer()->stop();
    Lumo::gGameData = new Lumo::GameData();
}

void NullDeviceFixture::TearDown() {
    delete TovarWorks::gDevice;
    TovarWorks::gDevice = nullptr;
    delete Lumo::gGameData;
    Lumo::gGameData = nullptr;
}

void NullDeviceFixture::advanceTime(uint32_t deltaMillis) {
    irr::ITimer* timer = TovarWorks::gDevice->getIrrlichtDevice()->getTimer();
    timer->setTime(timer->getTime() + deltaMillis);
}

void NullDeviceFixture::runFrame(uint32_t deltaMillis) {
    advanceTime(deltaMillis);
    TovarWorks::gDevice->runFrame();
}

std::shared_ptr<RecordingListener> NullDeviceFixture::recordEvents(
    std::initializer_list<const TovarWorks::EventType*> types) {
    TovarWorks::EventManager& events = *TovarWorks::gDevice->getEventManager();
    for (const TovarWorks::EventType* type : TovarWorks::kGameEventTypes)
        events.RegisterEventType(*type);
    auto recorder = std::make_shared<RecordingListener>();
    for (const TovarWorks::EventType* type : types)
        EXPECT_TRUE(events.AddListener(recorder, *type)) << type->getName();
    return recorder;
}
