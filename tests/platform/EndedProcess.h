#pragma once
// A process id that belonged to a process which has ended.
#include <sys/wait.h>
#include <unistd.h>

inline int EndedProcess()
{
    pid_t pid = fork();
    if (pid == 0)
        _exit(0);
    waitpid(pid, nullptr, 0);
    return static_cast<int>(pid);
}
