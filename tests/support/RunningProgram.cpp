#include "RunningProgram.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// The test's environment with the setup's entries put in by name.
std::vector<std::string> environmentFor(const std::vector<std::string>& changes) {
    std::vector<std::string> entries;
    for (char** entry = environ; *entry; ++entry)
        entries.emplace_back(*entry);
    for (const std::string& change : changes) {
        const size_t equals = change.find('=');
        const std::string name = change.substr(0, equals) + '=';
        const auto named = [&](const std::string& entry) { return entry.compare(0, name.size(), name) == 0; };
        entries.erase(std::remove_if(entries.begin(), entries.end(), named), entries.end());
        if (equals != std::string::npos)
            entries.push_back(change);
    }
    return entries;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

RunningProgram::RunningProgram(const Setup& setup) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return;
    // Everything the child needs is made before the fork: after it only async-signal-safe calls.
    std::vector<std::string> arguments{setup.program};
    arguments.insert(arguments.end(), setup.arguments.begin(), setup.arguments.end());
    std::vector<std::string> environment = environmentFor(setup.environment);
    const std::vector<char*> argv = pointersTo(arguments);
    const std::vector<char*> envp = pointersTo(environment);
    pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        dup2(pipeFds[1], STDERR_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        if (chdir(setup.workingFolder.c_str()) != 0)
            _exit(126);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(pipeFds[1]);
    outputFd = pipeFds[0];
    fcntl(outputFd, F_SETFL, O_NONBLOCK);
}

RunningProgram::~RunningProgram() {
    if (pid > 0 && !finished) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    if (outputFd >= 0)
        close(outputFd);
}

bool RunningProgram::readSome(int waitMillis) {
    pollfd fd{outputFd, POLLIN, 0};
    if (poll(&fd, 1, waitMillis) <= 0)
        return true;
    char buffer[4096];
    const ssize_t got = read(outputFd, buffer, sizeof buffer);
    if (got > 0)
        log.append(buffer, static_cast<size_t>(got));
    return got != 0;
}

bool RunningProgram::waitFor(const std::string& text, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (log.find(text) == std::string::npos && std::chrono::steady_clock::now() < deadline)
        if (!readSome(100))
            break;
    return log.find(text) != std::string::npos;
}

int RunningProgram::stop() {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return finish(status);
}

int RunningProgram::waitForExit(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return finish(status);
        readSome(50);
    }
    return -1;
}

int RunningProgram::finish(int status) {
    finished = true;
    // What it wrote on its way out; a dialog's child process may still hold the pipe open.
    pollfd fd{outputFd, POLLIN, 0};
    while (poll(&fd, 1, 0) > 0 && readSome(0)) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
