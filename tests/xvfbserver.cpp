#include "xvfbserver.h"

#include <csignal>
#include <cstdlib>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

pid_t spawnProcess(const std::vector<std::string> &args)
{
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char *> argv;
        for (const std::string &arg : args)
            argv.push_back(const_cast<char *>(arg.c_str()));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    return child;
}

void stopProcess(pid_t &child)
{
    if (child <= 0)
        return;
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    child = -1;
}

XvfbServer::XvfbServer()
{
    int fds[2];
    if (pipe(fds) != 0)
        return;
    pid = spawnProcess({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "640x480x24",
                        "-nolisten", "tcp"});
    close(fds[1]);
    // Xvfb writes its display number once it accepts connections.
    char number[32] = {};
    const ssize_t n = read(fds[0], number, sizeof number - 1);
    close(fds[0]);
    if (n <= 0)
        return;
    display = ":" + std::to_string(std::atoi(number));
    setenv("DISPLAY", display.c_str(), 1);
}

XvfbServer::~XvfbServer()
{
    stopProcess(pid);
}
