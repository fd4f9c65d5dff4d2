/* The guard of a plug-in helper (zavolin-host): nothing a plug-in starts
 * outlives the helper it runs in. */
#pragma once

/* Splits the helper in two. Returns in a new process, the worker, which goes on to load and run
 * the plug-in; the calling process stays behind as the worker's guard and never returns. The
 * guard runs no plug-in code, so it is there to clean up however the worker ends: it is the
 * subreaper of everything the plug-in starts, so children that daemonise (setsid and fork
 * again) still come back to it when their parents die.
 *
 * The guard ends, and kills the worker and every process below itself first, when
 *   - the worker ends (returns or crashes): the guard then ends as the worker did, by its exit
 *     status or by its signal, so the program still tells a crash from an exit;
 *   - it gets SIGTERM, SIGINT or SIGHUP: the program stops a helper with SIGTERM;
 *   - the program ends: its end sends the guard SIGTERM.
 * The guard is the leader of a process group the worker shares, so the program can still kill
 * the lot at once should the guard not answer; a daemonised child escapes that, and only that.
 * Not covered: a plug-in that sets out to escape (it could ask the system's service manager to
 * start something); plug-in code runs with the user's rights and is trusted that far. */
void run_under_guard(void);
