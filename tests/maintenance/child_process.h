#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>

// Runs `body` in a forked child and returns its id. The child leaves with
// _Exit, so nothing of the test process is torn down twice.
inline pid_t startChild(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) std::_Exit(body());
    return child;
}

// The exit code of `child`, or minus the signal that ended it; its resource
// use in `usage` when given.
inline int waitForChild(pid_t child, rusage* usage = nullptr) {
    if (child < 0) return -1000;
    int status = 0;
    pid_t ended = 0;
    do {
        ended = ::wait4(child, &status, 0, usage);
    } while (ended < 0 && errno == EINTR);
    if (ended != child) return -1000;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

inline int runInChild(const std::function<int()>& body) {
    return waitForChild(startChild(body));
}
