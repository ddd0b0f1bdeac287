#pragma once
// A real TovarDevice on Irrlicht's null driver with a stopped virtual timer, plus a fresh GameData.
// Messages before the console exists are recorded instead of shown.
#include "RecordingListener.h"
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

class NullDeviceFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Moves the stopped virtual timer forward and runs one pass of the main loop.
    void runFrame(uint32_t deltaMillis);
    void advanceTime(uint32_t deltaMillis);
    // Registers the game's event types and returns a recorder that hears the ones given.
    std::shared_ptr<RecordingListener> recordEvents(std::initializer_list<const TovarWorks::EventType*> types);

    TovarWorks::TovarDevice& device() { return *TovarWorks::gDevice; }
    std::shared_ptr<TovarWorks::RecordingMessageOutput> messages;
};
