// The game step's CPU time per frame (logic and scene update on the null driver, which draws
// nothing) with 0, 10 and 100 customers in the queue, then frames per second with OpenGL at
// 1024 x 720 (run under xvfb-run). Prints figures; never fails on them.
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Sprites/CharNode.h"
#include "src_lumo/Visual/LumoVisual.h"

#include "src_lumo/Customers/CustomerManager.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace {

constexpr uint32_t kFrames = 600;
// Customers who arrive "later" than now never lose patience, so the queue stays full.
void fillQueue(Lumo::LumoVisual& visual, int customers) {
    const auto& people = Lumo::gGameData->world.customers->townsfolk();
    const int arrival = Lumo::gGameData->world.minuteOfDay + 1000;
    for (int i = 0; i < customers; ++i)
        visual.spawnCustomer(Lumo::DailyCustomer{people[i % people.size()], arrival}, arrival);
}

double millisPerFrame(Lumo::ScriptedPlay& play) {
    const auto start = std::chrono::steady_clock::now();
    play.runFrames(kFrames);
    const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / kFrames;
}

} // namespace

int main() {
    std::filesystem::current_path(KORNELO_RUNTIME_DIR);
    double baseline = 0.0;
    for (const int customers : {0, 10, 100}) {
        Lumo::ScriptedPlay play;
        play.startNewGame();
        fillQueue(*play.getLogic().getVisual(), customers);
        const double millis = millisPerFrame(play);
        if (customers == 0)
            baseline = millis;
        std::printf("game step, null driver, %3d customers: %.3f ms per frame (%.2f x the empty shop)\n", customers,
                    millis, baseline > 0 ? millis / baseline : 1.0);
    }
    Lumo::ScriptedPlayOptions options;
    options.driver = irr::video::EDT_OPENGL;
    Lumo::ScriptedPlay play(options);
    if (!play.isReady()) {
        std::printf("OpenGL: no display (run under xvfb-run)\n");
        return 0;
    }
    play.startNewGame();
    const double millis = millisPerFrame(play);
    std::printf("OpenGL 1024 x 720: %.1f frames per second (%.3f ms per frame)\n", 1000.0 / millis, millis);
    return 0;
}
