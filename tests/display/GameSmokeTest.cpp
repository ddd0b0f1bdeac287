// Starts the real game under the X server (Xvfb in CI) with OpenGL, lets it run, ends it.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class RunningGame {
public:
    RunningGame() {
        int pipeFds[2];
        if (pipe(pipeFds) != 0)
            return;
        pid = fork();
        if (pid == 0) {
            dup2(pipeFds[1], STDOUT_FILENO);
            close(pipeFds[0]);
            // Started from elsewhere on purpose: the game must find its own folder.
            if (chdir("/") != 0)
                _exit(126);
            execl(KORNELO_RUNTIME_DIR "/kornelo", "kornelo", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(pipeFds[1]);
        output = pipeFds[0];
        fcntl(output, F_SETFL, O_NONBLOCK);
    }
    ~RunningGame() {
        if (pid > 0 && !finished) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        if (output >= 0)
            close(output);
    }

    // Reads the game's output until it contains text or the time is up.
    bool waitFor(const std::string& text, std::chrono::seconds limit) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            if (log.find(text) != std::string::npos)
                return true;
            pollfd fd{output, POLLIN, 0};
            if (poll(&fd, 1, 100) > 0) {
                char buffer[4096];
                const ssize_t got = read(output, buffer, sizeof buffer);
                if (got > 0)
                    log.append(buffer, static_cast<size_t>(got));
                else if (got == 0)
                    return log.find(text) != std::string::npos;
            }
        }
        return false;
    }

    int stop() {
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        finished = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    pid_t pid = -1;
    int output = -1;
    bool finished = false;
    std::string log;
};

} // namespace

TEST(GameSmokeTest, StartsWithOpenGLShowsItsStartUpLinesAndEndsCleanly) {
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs an X server (the test command runs under xvfb-run)";
    RunningGame game;
    ASSERT_GT(game.pid, 0);
    ASSERT_TRUE(game.waitFor("TovarWorks engine is up and running.", std::chrono::seconds(30))) << game.log;
    EXPECT_TRUE(game.waitFor("Engine version: 0.3 Pre-Alpha", std::chrono::seconds(5))) << game.log;
    EXPECT_TRUE(game.waitFor("Language: 1 (English)", std::chrono::seconds(5))) << game.log;
    EXPECT_NE(game.log.find("Using renderer: OpenGL"), std::string::npos) << game.log;
    // Some frames of the main loop.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_EQ(game.stop(), 0) << game.log;
    EXPECT_EQ(game.log.find("Either no upper or lower corner pixels"), std::string::npos)
        << "the console font must load";
}
