// Start-up time from process start to the first drawn frame, under an X server (xvfb-run):
// the game (its whole start-up, as scripted play builds it, then one frame) against a bare
// Irrlicht window that loads the same files — every texture, mesh, shader, piece of music and
// text file of the runtime folder — and draws one frame. The ratio is our own overhead.
// Each start is a fresh process; the figures are medians of several. Also each one's peak memory,
// and the game's peak memory through a whole scripted day (06:00 to the clock's stop at 22:00:
// customers, the postman, the music's cross-fades). Prints figures; never fails on them.
#include "TovarWorks/SoundSystem/MusicStream.h"
#include "src_lumo/Game/GameData.h"
#include "src_lumo/Play/ScriptedPlay.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <irrlicht.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kStarts = 5;
// A child reports on a descriptor of its own: its standard output carries the console's lines.
constexpr int kResultFd = 3;
constexpr int kClockStops = 22 * 60;
// Long frames, so that the day passes in a few thousand drawn frames: two frames a game minute.
constexpr double kDayFrameMillis = 250.0;

double monotonicMillis() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000.0 + now.tv_nsec / 1.0e6;
}

bool hasEnding(const fs::path& file, std::initializer_list<const char*> endings) {
    std::string name = file.filename().string();
    std::transform(name.begin(), name.end(), name.begin(), ::tolower);
    for (const char* ending : endings)
        if (name.size() > std::strlen(ending) && name.compare(name.size() - std::strlen(ending), std::string::npos, ending) == 0)
            return true;
    return false;
}

void loadTheSameFiles(irr::IrrlichtDevice* device) {
    irr::video::IVideoDriver* driver = device->getVideoDriver();
    irr::video::IGPUProgrammingServices* gpu = driver->getGPUProgrammingServices();
    for (const auto& entry : fs::recursive_directory_iterator(".")) {
        if (!entry.is_regular_file())
            continue;
        const fs::path& file = entry.path();
        const irr::io::path name = file.lexically_normal().c_str();
        if (hasEnding(file, {".png", ".bmp"})) {
            driver->getTexture(name);
        } else if (hasEnding(file, {".irrmesh", ".3ds"})) {
            device->getSceneManager()->getMesh(name);
        } else if (hasEnding(file, {".vert"}) && gpu) {
            fs::path fragment = file;
            fragment.replace_extension(".frag");
            gpu->addHighLevelShaderMaterialFromFiles(name, "main", irr::video::EVST_VS_1_1,
                                                     fragment.lexically_normal().c_str(), "main", irr::video::EPST_PS_2_0);
        } else if (hasEnding(file, {".mp3"})) {
            // As the game opens its music: ready to stream.
            TovarWorks::MusicStream::open(file.string(), 44100, 2, true);
        } else if (hasEnding(file, {".xml", ".txt", ".tsf", ".ini"})) {
            std::ifstream text(file, std::ios::binary);
            std::string content((std::istreambuf_iterator<char>(text)), std::istreambuf_iterator<char>());
        }
    }
}

int playOneDay() {
    Lumo::ScriptedPlayOptions options;
    options.driver = irr::video::EDT_OPENGL;
    options.frameMillis = kDayFrameMillis;
    Lumo::ScriptedPlay play(options);
    if (!play.isReady() || !play.startNewGame())
        return 1;
    const int maxFrames = static_cast<int>(24 * 60 * 60 * 1000 / kDayFrameMillis);
    play.runUntil([] { return Lumo::gGameData->world.minuteOfDay >= kClockStops; }, maxFrames);
    dprintf(kResultFd, "%.3f\n", monotonicMillis());
    return 0;
}

// One start in this process; prints the time of the first frame (or of the day's end) and the
// peak memory.
int startOnce(const std::string& mode) {
    fs::current_path(KORNELO_RUNTIME_DIR);
    if (mode == "--day") {
        if (playOneDay() != 0)
            return 1;
    } else if (mode == "--game") {
        Lumo::ScriptedPlayOptions options;
        options.driver = irr::video::EDT_OPENGL;
        Lumo::ScriptedPlay play(options);
        if (!play.isReady())
            return 1;
        play.runFrames(1);
        dprintf(kResultFd, "%.3f\n", monotonicMillis());
    } else {
        irr::IrrlichtDevice* device = irr::createDevice(irr::video::EDT_OPENGL, irr::core::dimension2du(1024, 720), 32);
        if (!device)
            return 1;
        device->getLogger()->setLogLevel(irr::ELL_NONE);
        SDL_InitSubSystem(SDL_INIT_AUDIO);
        Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048);
        loadTheSameFiles(device);
        device->run();
        device->getVideoDriver()->beginScene(true, true, irr::video::SColor(255, 0, 0, 0));
        device->getSceneManager()->drawAll();
        device->getVideoDriver()->endScene();
        dprintf(kResultFd, "%.3f\n", monotonicMillis());
        Mix_CloseAudio();
        device->drop();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    dprintf(kResultFd, "%ld\n", usage.ru_maxrss);
    return 0;
}

struct Start {
    double millis;
    long peakKiB;
};

bool measure(const char* self, const char* mode, Start& start) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    const double launched = monotonicMillis();
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        dup2(pipeFds[1], kResultFd);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execl(self, self, mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    FILE* output = fdopen(pipeFds[0], "r");
    double firstFrame = 0;
    const bool read = std::fscanf(output, "%lf %ld", &firstFrame, &start.peakKiB) == 2;
    std::fclose(output);
    int status = 0;
    waitpid(child, &status, 0);
    start.millis = firstFrame - launched;
    return read && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    // Sound as the game has it with an audio device: the music is decoded at start.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (argc == 2)
        return startOnce(argv[1]);
    if (!std::getenv("DISPLAY")) {
        std::printf("start-up: no display (run under xvfb-run)\n");
        return 0;
    }
    std::vector<double> game, bare;
    long gamePeak = 0, barePeak = 0;
    for (int i = 0; i < kStarts; ++i) {
        Start start{};
        if (measure("/proc/self/exe", "--bare", start)) {
            bare.push_back(start.millis);
            barePeak = std::max(barePeak, start.peakKiB);
        }
        if (measure("/proc/self/exe", "--game", start)) {
            game.push_back(start.millis);
            gamePeak = std::max(gamePeak, start.peakKiB);
        }
    }
    if (game.empty() || bare.empty()) {
        std::printf("start-up: a start failed (OpenGL unavailable?)\n");
        return 0;
    }
    const double gameMillis = median(game), bareMillis = median(bare);
    std::printf("start-up to the first frame, median of %d: game %.0f ms, bare Irrlicht window loading the same files "
                "%.0f ms, ratio %.2f\n",
                kStarts, gameMillis, bareMillis, gameMillis / bareMillis);
    std::printf("peak memory after the first frame: game %.1f MiB, bare window %.1f MiB (goal <= 150 MiB)\n",
                gamePeak / 1024.0, barePeak / 1024.0);
    Start day{};
    if (measure("/proc/self/exe", "--day", day))
        std::printf("peak memory through a scripted day (06:00 to 22:00, 1024 x 720): game %.1f MiB (goal <= 150 "
                    "MiB), %.0f s\n",
                    day.peakKiB / 1024.0, day.millis / 1000.0);
    else
        std::printf("peak memory through a scripted day: the day did not run\n");
    return 0;
}
