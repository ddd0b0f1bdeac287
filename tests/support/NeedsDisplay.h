#pragma once
// Tests that open a window need an X server (the suite runs under xvfb-run). Without DISPLAY they are
// skipped; with one, a window or OpenGL device that does not start is a fault the test reports.
#include <gtest/gtest.h>

#include <cstdlib>

#define SKIP_WITHOUT_DISPLAY()                                                                \
    do {                                                                                      \
        if (!std::getenv("DISPLAY"))                                                          \
            GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";       \
    } while (false)
