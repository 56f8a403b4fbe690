#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// An X server of the test's own, on the first free display; DISPLAY points at it while it runs.
class XvfbServer
{
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    bool isRunning() const { return pid > 0 && !display.empty(); }
    const std::string &displayName() const { return display; }

private:
    pid_t pid = -1;
    std::string display;
};

// Starts a program with the current environment; stopProcess() ends it and reaps it.
pid_t spawnProcess(const std::vector<std::string> &args);
void stopProcess(pid_t &pid);
