#pragma once
// A real device on Irrlicht's null driver for the fuzz targets that need one (the sprite
// definition reader, the console), made once per process. It runs in a private mirror of the
// runtime folder, so whatever a fuzzed command writes (the event log, say) stays out of the build.
class FuzzGame {
public:
    static void start();
};
