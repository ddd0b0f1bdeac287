#pragma once
// Tests that open a window need an X server (the suite runs under xvfb-run). Without DISPLAY they are
// skipped; with one, a window or OpenGL device that does not start is a fault the test reports.
#include "TovarWorks/TovarDevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#define SKIP_WITHOUT_DISPLAY()                                                                \
    do {                                                                                      \
        if (!std::getenv("DISPLAY"))                                                          \
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";       \
    } while (false)

// Xvfb accepts connections slowly: a window opened right after the last one closed now and then
// finds its queue full (XOpenDisplay fails with EAGAIN). Tries again after a pause; true once
// `open` succeeds.
template <typename Open> bool openWhileTheServerCatchesUp(Open open) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(100 * attempt));
        if (open())
            return true;
    }
    return false;
}

// A fresh engine device in the global slot with a window of the size, its messages recorded
// instead of shown; false when no window opened.
inline bool openEngineWindow(unsigned width, unsigned height, irr::video::E_DRIVER_TYPE driver) {
    return openWhileTheServerCatchesUp([&] {
        delete TovarWorks::gDevice;
        TovarWorks::gDevice = new TovarWorks::TovarDevice();
        TovarWorks::gDevice->setMessageOutput(std::make_shared<TovarWorks::RecordingMessageOutput>());
        return TovarWorks::gDevice->init(width, height, false, driver);
    });
}
