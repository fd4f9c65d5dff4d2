#define _GNU_SOURCE
#include "helper_guard.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

/* The parent of process `pid`; 0 when it cannot be read. */
static pid_t parent_of(pid_t pid) {
    char path[64];
    char line[512];
    snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const ssize_t n = read(fd, line, sizeof line - 1);
    close(fd);
    if (n <= 0)
        return 0;
    line[n] = '\0';
    /* "pid (name) state ppid ...": the name may hold blanks and parentheses. */
    const char* name_end = strrchr(line, ')');
    char state;
    long parent;
    if (!name_end || sscanf(name_end + 1, " %c %ld", &state, &parent) != 2)
        return 0;
    return (pid_t)parent;
}

/* Kills every child of the guard and waits for them; how many there were. The kernel keeps
 * no list of a process's children that every kernel shows, so /proc is searched. */
static int kill_children(void) {
    DIR* proc = opendir("/proc");
    if (!proc)
        return 0;
    const pid_t self = getpid();
    pid_t killed[256];
    int count = 0;
    const struct dirent* entry;
    while (count < 256 && (entry = readdir(proc)) != NULL) {
        char* end;
        const pid_t pid = (pid_t)strtol(entry->d_name, &end, 10);
        if (pid <= 0 || *end != '\0' || parent_of(pid) != self)
            continue;
        if (kill(pid, SIGKILL) == 0)
            killed[count++] = pid;
    }
    closedir(proc);
    for (int i = 0; i < count; ++i)
        while (waitpid(killed[i], NULL, 0) < 0 && errno == EINTR) {
        }
    return count;
}

/* Kills everything below the guard: its children, then theirs, which the guard inherits as
 * their parents die, until it has no child left. */
static void end_descendants(void) {
    for (;;) {
        pid_t reaped;
        while ((reaped = waitpid(-1, NULL, WNOHANG)) > 0) {
        }
        if (reaped < 0) /* no child at all */
            return;
        if (kill_children() == 0) /* children /proc does not show: nothing more to do */
            return;
    }
}

/* Ends the guard as by the signal. */
static void die_by(int signal_number) {
    signal(signal_number, SIG_DFL);
    sigset_t all;
    sigfillset(&all);
    sigprocmask(SIG_UNBLOCK, &all, NULL);
    raise(signal_number);
    _exit(128 + signal_number);
}

void run_under_guard(void) {
    setpgid(0, 0);
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    /* The guard waits for these and handles none: blocked, they wait to be taken. */
    sigset_t ending;
    sigset_t before;
    sigemptyset(&ending);
    sigaddset(&ending, SIGCHLD);
    sigaddset(&ending, SIGTERM);
    sigaddset(&ending, SIGINT);
    sigaddset(&ending, SIGHUP);
    sigprocmask(SIG_BLOCK, &ending, &before);
    /* Ignored SIGCHLD would reap the worker unseen; the worker gets back what it was. */
    struct sigaction child_action;
    struct sigaction default_action;
    memset(&default_action, 0, sizeof default_action);
    default_action.sa_handler = SIG_DFL;
    sigaction(SIGCHLD, &default_action, &child_action);
    prctl(PR_SET_PDEATHSIG, SIGTERM);

    const pid_t guard = getpid();
    const pid_t worker = fork();
    if (worker < 0)
        _exit(71);
    if (worker == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != guard) /* the guard is gone already */
            _exit(71);
        sigaction(SIGCHLD, &child_action, NULL);
        sigprocmask(SIG_SETMASK, &before, NULL);
        return;
    }

    /* The talk with the program is the worker's: the guard holds no end of it. */
    const int null = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null >= 0) {
        dup2(null, 0);
        dup2(null, 1);
        close(null);
    }
    int status = 0;
    int told = 0;
    for (int worker_ended = 0; !worker_ended && !told;) {
        const int signal_number = sigwaitinfo(&ending, NULL);
        if (signal_number != SIGCHLD) {
            told = signal_number > 0 ? signal_number : 0;
            continue;
        }
        pid_t pid;
        int child_status;
        while ((pid = waitpid(-1, &child_status, WNOHANG)) > 0)
            if (pid == worker) {
                status = child_status;
                worker_ended = 1;
            }
    }
    end_descendants();
    if (told)
        die_by(told);
    if (WIFSIGNALED(status))
        die_by(WTERMSIG(status));
    _exit(WEXITSTATUS(status));
}
