// The game step's CPU time per frame (logic and scene update on the null driver, which draws
// nothing) with 0, 10 and 100 customers in the queue; then, under an X server (xvfb-run with a
// 1920 x 1080 screen), frames per second with OpenGL at 1024 x 720 and 1920 x 1080 in a busy shop
// (ten customers, three trays of goods, a dialogue box open) against an empty scene of the same
// size in the same run; and the peak memory. Prints figures; never fails on them.
#include "TovarWorks/TovarDevice.h"
#include "src_lumo/Bakery/Tray.h"
#include "src_lumo/Customers/CustomerManager.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Game/LumoGameLogic.h"
#include "src_lumo/Gui/VisualTextBoxStatic.h"
#include "src_lumo/Items/ShopItemWorld.h"
#include "src_lumo/Play/ScriptedPlay.h"
#include "src_lumo/Visual/LumoVisual.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sys/resource.h>

namespace {

constexpr uint32_t kFrames = 600;
constexpr uint32_t kDrawnFrames = 200;

// Customers who arrive "later" than now never lose patience, so the queue stays full.
void fillQueue(Lumo::LumoVisual& visual, int customers) {
    const auto& people = Lumo::gGameData->world.customers->townsfolk();
    const int arrival = Lumo::gGameData->world.minuteOfDay + 1000;
    for (int i = 0; i < customers; ++i)
        visual.spawnCustomer(Lumo::DailyCustomer{people[i % people.size()], arrival}, arrival);
}

// Three trays of baked buns and a dialogue box, as a busy morning has them.
void fillShop(Lumo::LumoVisual& visual) {
    fillQueue(visual, 10);
    auto items = std::make_shared<Lumo::ShopItemWorld>(TovarWorks::gDevice->getSceneManager(),
                                                       Lumo::gGameData->spriteDefinitions);
    for (int tray = 0; tray < 3; ++tray) {
        Lumo::Dough dough;
        dough.kind = 1;
        dough.batches = 4;
        Lumo::Tray goods = Lumo::Tray::fromDough(dough);
        for (Lumo::BakedGood& good : goods.goods)
            good.bake(dough.bakeMinutes);
        items->bakery().putGoodsOnNewTray(goods);
    }
    visual.setItemWorld(items);
    auto box = std::make_shared<Lumo::VisualTextBoxStatic>(L"Good morning! Three buns, please, and a loaf of bread.",
                                                           L"Customer");
    box->show();
    visual.getTextBoxes().add(box);
}

double threadCpuMillis() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1.0e6;
}

double wallMillis() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void gameStepCpuTime() {
    double baseline = 0.0;
    for (const int customers : {0, 10, 100}) {
        Lumo::ScriptedPlay play;
        play.startNewGame();
        fillQueue(*play.getLogic().getVisual(), customers);
        const double start = threadCpuMillis();
        play.runFrames(kFrames);
        const double millis = (threadCpuMillis() - start) / kFrames;
        if (customers == 0)
            baseline = millis;
        std::printf("game step, null driver, %3d customers: %.3f ms CPU per frame (%.2f x the empty shop)\n", customers,
                    millis, baseline > 0 ? millis / baseline : 1.0);
    }
}

// Frames per second of a scene with nothing in it: what drawing at that size costs anyway.
double emptySceneFps(uint32_t width, uint32_t height) {
    irr::IrrlichtDevice* device =
        irr::createDevice(irr::video::EDT_OPENGL, irr::core::dimension2du(width, height), 32);
    if (!device)
        return 0.0;
    irr::video::IVideoDriver* driver = device->getVideoDriver();
    device->getSceneManager()->addCameraSceneNode();
    const double start = wallMillis();
    for (uint32_t frame = 0; frame < kDrawnFrames && device->run(); ++frame) {
        driver->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        device->getSceneManager()->drawAll();
        driver->endScene();
    }
    const double seconds = (wallMillis() - start) / 1000.0;
    device->drop();
    return kDrawnFrames / seconds;
}

double busyShopFps(uint32_t width, uint32_t height) {
    Lumo::ScriptedPlayOptions options;
    options.driver = irr::video::EDT_OPENGL;
    options.width = width;
    options.height = height;
    Lumo::ScriptedPlay play(options);
    if (!play.isReady())
        return 0.0;
    play.startNewGame();
    fillShop(*play.getLogic().getVisual());
    play.runFrames(10);
    const double start = wallMillis();
    play.runFrames(kDrawnFrames);
    return kDrawnFrames / ((wallMillis() - start) / 1000.0);
}

// Now and then a window is refused right after another closed (seen with Xvfb): one more try.
double measured(double (*framesPerSecond)(uint32_t, uint32_t), uint32_t width, uint32_t height) {
    for (int attempt = 0; attempt < 3; ++attempt)
        if (const double fps = framesPerSecond(width, height); fps > 0.0)
            return fps;
    return 0.0;
}

} // namespace

int main() {
    std::filesystem::current_path(KORNELO_RUNTIME_DIR);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    gameStepCpuTime();
    if (!std::getenv("DISPLAY")) {
        std::printf("OpenGL: no display (run under xvfb-run -s \"-screen 0 1920x1080x24\")\n");
    } else {
        const std::pair<uint32_t, uint32_t> sizes[] = {{1024, 720}, {1920, 1080}};
        for (int i = 0; i < 2; ++i) {
            const auto [width, height] = sizes[i];
            const double empty = measured(emptySceneFps, width, height);
            const double busy = measured(busyShopFps, width, height);
            std::printf("OpenGL %u x %u: busy shop %.1f frames per second, empty scene %.1f (busy takes %.2f x the "
                        "empty frame time)\n",
                        width, height, busy, empty, busy > 0 ? empty / busy : 0.0);
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory of this run: %.1f MiB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
