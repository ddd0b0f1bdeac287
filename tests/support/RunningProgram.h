#pragma once
// A program started in a child process for a test: its standard output and errors are collected, it is ended
// by SIGTERM like a desktop session would end it, and killed if a failed test leaves it running.
#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

class RunningProgram {
public:
    struct Setup {
        std::string program;
        std::vector<std::string> arguments;
        std::string workingFolder = "/";
        // "NAME=value" entries added to (or replacing in) the test's own environment; "NAME" removes one.
        std::vector<std::string> environment;
    };

    explicit RunningProgram(const Setup& setup);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool started() const { return pid > 0; }
    // Reads the output until it contains the text, the program ends or the time is up.
    bool waitFor(const std::string& text, std::chrono::milliseconds limit);
    // Sends SIGTERM and returns the exit code, or 128 + the signal that ended it.
    int stop();
    // The exit code of a program that ends by itself within the time, or -1.
    int waitForExit(std::chrono::milliseconds limit);
    const std::string& output() const { return log; }

private:
    bool readSome(int waitMillis);
    int finish(int status);

    pid_t pid = -1;
    int outputFd = -1;
    bool finished = false;
    std::string log;
};
