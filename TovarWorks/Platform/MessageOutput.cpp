#include "TovarWorks/Platform/MessageOutput.h"

#include "TovarWorks/Platform/Utf8.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace TovarWorks {

namespace {
constexpr unsigned kDialogLifetimeSeconds = 300;
} // namespace

void DialogMessageOutput::show(const std::wstring& caption, const std::wstring& text) {
    const std::string captionUtf8 = toUtf8(caption);
    const std::string textUtf8 = toUtf8(text);
    std::fprintf(stderr, "%s: %s\n", captionUtf8.c_str(), textUtf8.c_str());
    std::fflush(stderr);
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        return;

    // Twice forked, so the dialog neither blocks the game nor leaves a zombie behind.
    const pid_t child = fork();
    if (child < 0)
        return;
    if (child == 0) {
        if (fork() == 0) {
            const int devNull = open("/dev/null", O_RDWR);
            if (devNull >= 0) {
                dup2(devNull, STDIN_FILENO);
                dup2(devNull, STDOUT_FILENO);
                dup2(devNull, STDERR_FILENO);
            }
            alarm(kDialogLifetimeSeconds);
            SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, captionUtf8.c_str(), textUtf8.c_str(),
                                     nullptr);
        }
        _exit(0);
    }
    waitpid(child, nullptr, 0);
}

} // namespace TovarWorks
