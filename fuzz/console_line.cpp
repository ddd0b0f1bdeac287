// A line typed into the developer console and run by the device, as RETURN runs it.
#include "FuzzGame.h"
#include "TovarWorks/TovarDevice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzGame::start();
    irr::core::stringw line;
    for (size_t i = 0; i < size; ++i)
        line.append(static_cast<wchar_t>(data[i]));
    TovarWorks::gDevice->executeConsoleLine(line);
    // The next frame runs with whatever the line changed (speed, logging).
    TovarWorks::gDevice->runFrame();
    return 0;
}
