/* zavolin-regsvr: runs one library's self-registration entry point for the program, in a
 * process of its own, so that the program can stop an entry point that hangs and a crash ends
 * only this process.
 *
 *   zavolin-regsvr LIBRARY
 *
 * It talks with the program step by step over its standard input and output, so that the
 * program sees each step as it happens ("<" from the program, ">" to it):
 *
 *   > loaded | not-loaded       after loading LIBRARY
 *   < ENTRY-POINT-NAME
 *   > found | not-found         after looking the entry point up
 *   < run
 *   > started                   then the entry point runs
 *   > returned N                N, its result, is for information only
 *   < free (or end of input)    the library is released and the process ends
 *
 * End of input at any point releases the library and ends the process. The library's own
 * output goes to standard error; its input is empty. Whatever the library starts ends with the
 * process (helper_guard.h). */
#define _GNU_SOURCE
#include "helper_guard.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <sys/resource.h>
#include <unistd.h>

typedef int32_t (*entry_point)(void);

static FILE* g_commands;
static FILE* g_replies;

static void reply(const char* line) {
    fputs(line, g_replies);
    fputc('\n', g_replies);
    fflush(g_replies);
}

/* The next command without its line break; 0 at end of input. */
static int command(char* line, size_t size) {
    if (!fgets(line, (int)size, g_commands))
        return 0;
    line[strcspn(line, "\r\n")] = '\0';
    return 1;
}

/* Keeps the talk with the program on descriptors of its own, away from whatever the library
 * reads or prints. */
static int private_channels(void) {
    const int in = fcntl(0, F_DUPFD_CLOEXEC, 3);
    const int out = fcntl(1, F_DUPFD_CLOEXEC, 3);
    if (in < 0 || out < 0)
        return 0;
    const int null = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (null < 0 || dup2(null, 0) < 0 || dup2(2, 1) < 0)
        return 0;
    close(null);
    g_commands = fdopen(in, "r");
    g_replies = fdopen(out, "w");
    return g_commands && g_replies;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fputs("usage: zavolin-regsvr LIBRARY\n", stderr);
        return 64;
    }
    /* A crash of the library leaves no core file behind, and what it starts ends with us. */
    const struct rlimit no_core = {0, 0};
    setrlimit(RLIMIT_CORE, &no_core);
    run_under_guard();
    if (!private_channels())
        return 71;

    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        reply("not-loaded");
        return 0;
    }
    reply("loaded");

    char line[256];
    if (command(line, sizeof line)) {
        entry_point entry = (entry_point)dlsym(library, line);
        reply(entry ? "found" : "not-found");
        if (entry && command(line, sizeof line) && strcmp(line, "run") == 0) {
            reply("started");
            char returned[32];
            snprintf(returned, sizeof returned, "returned %d", (int)entry());
            reply(returned);
            command(line, sizeof line);
        }
    }
    dlclose(library);
    return 0;
}
