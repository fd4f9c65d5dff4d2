/* zavolin-host: the process a plug-in library's objects live in, so that a plug-in that
 * crashes or hangs takes only this process along, and the program can end it.
 *
 *   zavolin-host LIBRARY
 *
 * Loads LIBRARY, then runs its registration entry points, creates objects, calls their members
 * and releases them as the program asks over its standard input and output (host_protocol.h):
 * registering a library and asking it what it is take one process. The library's own output
 * goes to standard error; its input is empty. Whatever the library starts ends with the host
 * (helper_guard.h). */
#define _GNU_SOURCE
#include "helper_guard.h"
#include "host_protocol.h"

#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <unistd.h>
#include <zavolin/plugin.h>

static int g_in = -1;
static int g_out = -1;

/* ---- bytes in and out ---- */

static int read_all(void* data, size_t size) {
    char* p = data;
    while (size > 0) {
        const ssize_t n = read(g_in, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return 0;
        p += n;
        size -= (size_t)n;
    }
    return 1;
}

static int write_all(const void* data, size_t size) {
    const char* p = data;
    while (size > 0) {
        const ssize_t n = write(g_out, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return 0;
        p += n;
        size -= (size_t)n;
    }
    return 1;
}

/* 32-bit numbers travel little-endian. */
static void pack32(unsigned char le[4], uint32_t v) {
    le[0] = (unsigned char)v;
    le[1] = (unsigned char)(v >> 8);
    le[2] = (unsigned char)(v >> 16);
    le[3] = (unsigned char)(v >> 24);
}

static uint32_t unpack32(const unsigned char le[4]) {
    return (uint32_t)le[0] | (uint32_t)le[1] << 8 | (uint32_t)le[2] << 16 | (uint32_t)le[3] << 24;
}

/* A message being written or read: a growing buffer, or a cursor over one received. */
typedef struct {
    char* data;
    size_t size;
    size_t used;
    int broken;
} buffer;

static void put(buffer* b, const void* bytes, size_t size) {
    if (b->broken)
        return;
    if (b->used + size > b->size) {
        size_t grown = b->size ? b->size : 256;
        while (grown < b->used + size)
            grown *= 2;
        char* data = realloc(b->data, grown);
        if (!data) {
            b->broken = 1;
            return;
        }
        b->data = data;
        b->size = grown;
    }
    memcpy(b->data + b->used, bytes, size);
    b->used += size;
}

static void put_i32(buffer* b, int32_t v) {
    unsigned char le[4];
    pack32(le, (uint32_t)v);
    put(b, le, 4);
}

static void put_bytes(buffer* b, const char* bytes, size_t size) {
    if (size > ZH_MAX_MESSAGE) {
        b->broken = 1;
        return;
    }
    put_i32(b, (int32_t)size);
    put(b, bytes, size);
}

static int send_message(buffer* b) {
    int ok = !b->broken && b->used <= ZH_MAX_MESSAGE;
    if (ok) {
        unsigned char le[4];
        pack32(le, (uint32_t)b->used);
        ok = write_all(le, 4) && write_all(b->data, b->used);
    }
    free(b->data);
    b->data = NULL;
    b->size = b->used = 0;
    return ok;
}

static int take(buffer* b, void* out, size_t size) {
    if (b->broken || b->size - b->used < size) {
        b->broken = 1;
        return 0;
    }
    memcpy(out, b->data + b->used, size);
    b->used += size;
    return 1;
}

static int32_t take_i32(buffer* b) {
    unsigned char le[4] = {0, 0, 0, 0};
    take(b, le, 4);
    return (int32_t)unpack32(le);
}

/* A byte string as a NUL-terminated copy (the caller frees it); NULL when malformed. */
static char* take_string(buffer* b, size_t* size) {
    const int32_t n = take_i32(b);
    if (b->broken || n < 0 || (size_t)n > b->size - b->used) {
        b->broken = 1;
        return NULL;
    }
    char* s = malloc((size_t)n + 1);
    if (!s) {
        b->broken = 1;
        return NULL;
    }
    take(b, s, (size_t)n);
    s[n] = '\0';
    if (size)
        *size = (size_t)n;
    return s;
}

/* The next message; 0 at end of input or when it cannot be read. */
static int receive_message(buffer* b) {
    unsigned char le[4];
    if (!read_all(le, 4))
        return 0;
    const uint32_t n = unpack32(le);
    if (n == 0 || n > ZH_MAX_MESSAGE)
        return 0;
    b->data = malloc(n);
    if (!b->data)
        return 0;
    b->size = n;
    b->used = 0;
    b->broken = 0;
    return read_all(b->data, n);
}

/* ---- variants ---- */

static int take_variant(buffer* b, zv_variant* v) {
    zv_variant_init(v);
    const int32_t type = take_i32(b);
    switch (type) {
    case ZV_EMPTY:
        return !b->broken;
    case ZV_INT16: {
        unsigned char le[2] = {0, 0};
        take(b, le, 2);
        zv_set_int16(v, (int16_t)((uint16_t)le[0] | (uint16_t)le[1] << 8));
        return !b->broken;
    }
    case ZV_INT32:
        zv_set_int32(v, take_i32(b));
        return !b->broken;
    case ZV_DOUBLE: {
        double d = 0;
        take(b, &d, sizeof d);
        zv_set_double(v, d);
        return !b->broken;
    }
    case ZV_BOOL:
        zv_set_bool(v, take_i32(b));
        return !b->broken;
    case ZV_STRING:
    case ZV_PICTURE: {
        size_t size = 0;
        char* bytes = take_string(b, &size);
        if (!bytes)
            return 0;
        const int32_t status =
            type == ZV_STRING ? zv_set_string_n(v, bytes, size) : zv_set_picture(v, bytes, size);
        free(bytes);
        return status == ZV_OK;
    }
    default:
        b->broken = 1;
        return 0;
    }
}

static void put_variant(buffer* b, const zv_variant* v) {
    switch (v->type) {
    case ZV_EMPTY:
        put_i32(b, ZV_EMPTY);
        return;
    case ZV_INT16: {
        const uint16_t u = (uint16_t)v->value.i16;
        const unsigned char le[2] = {(unsigned char)u, (unsigned char)(u >> 8)};
        put_i32(b, ZV_INT16);
        put(b, le, 2);
        return;
    }
    case ZV_INT32:
        put_i32(b, ZV_INT32);
        put_i32(b, v->value.i32);
        return;
    case ZV_DOUBLE:
        put_i32(b, ZV_DOUBLE);
        put(b, &v->value.f64, sizeof v->value.f64);
        return;
    case ZV_BOOL:
        put_i32(b, ZV_BOOL);
        put_i32(b, v->value.boolean != 0);
        return;
    case ZV_STRING:
    case ZV_PICTURE:
        if ((!v->value.bytes.data && v->value.bytes.size) ||
            v->value.bytes.size > ZH_MAX_MESSAGE / 2)
            break;
        put_i32(b, v->type);
        put_bytes(b, v->value.bytes.data, v->value.bytes.size);
        return;
    default:
        break;
    }
    put_i32(b, ZH_MALFORMED);
}

/* ---- objects ---- */

typedef struct {
    zv_object* object;
} slot;

static slot* g_objects;
static uint32_t g_count;

static zv_object* object_of(uint32_t id) {
    return id < g_count ? g_objects[id].object : NULL;
}

static uint32_t keep(zv_object* object) {
    slot* grown = realloc(g_objects, (g_count + 1) * sizeof *grown);
    if (!grown)
        return UINT32_MAX;
    g_objects = grown;
    g_objects[g_count].object = object;
    return g_count++;
}

static void release(uint32_t id) {
    zv_object* object = object_of(id);
    if (!object)
        return;
    g_objects[id].object = NULL;
    if (object->vtbl->release)
        object->vtbl->release(object);
}

static int serve_create(buffer* in, zv_create_object_fn factory) {
    char* class_name = take_string(in, NULL);
    buffer out = {0};
    zv_object* object = NULL;
    const int32_t status = class_name && factory ? factory(class_name, &object) : ZV_E_NO_CLASS;
    free(class_name);
    if (status == ZV_OK && object && object->vtbl) {
        const uint32_t id = keep(object);
        if (id != UINT32_MAX) {
            put(&out, "O", 1);
            put_i32(&out, (int32_t)id);
            return send_message(&out);
        }
    }
    /* A factory that failed but made something all the same: given back. */
    if (object && object->vtbl && object->vtbl->release)
        object->vtbl->release(object);
    put(&out, "F", 1);
    put_i32(&out, status == ZV_OK ? ZV_E_NO_CLASS : status);
    return send_message(&out);
}

static int serve_invoke(buffer* in) {
    const uint32_t id = (uint32_t)take_i32(in);
    char* member = take_string(in, NULL);
    const int32_t argc = take_i32(in);
    int ok = member && argc >= 0 && argc <= 64 && !in->broken;
    zv_variant argv[64];
    int32_t made = 0;
    for (; ok && made < argc; ++made)
        ok = take_variant(in, &argv[made]);
    zv_object* object = object_of(id);
    if (ok && object) {
        zv_variant result;
        zv_variant_init(&result);
        const int32_t status = object->vtbl->invoke
                                   ? object->vtbl->invoke(object, member, argc, argv, &result)
                                   : ZV_E_NO_MEMBER;
        buffer out = {0};
        put(&out, "R", 1);
        put_i32(&out, status);
        put_variant(&out, &result);
        zv_variant_clear(&result);
        ok = send_message(&out);
    } else {
        ok = 0;
    }
    for (int32_t i = 0; i < made; ++i)
        zv_variant_clear(&argv[i]);
    free(member);
    return ok;
}

static int serve_release(buffer* in) {
    release((uint32_t)take_i32(in));
    buffer out = {0};
    put(&out, "d", 1);
    return !in->broken && send_message(&out);
}

/* A registration entry point: the library's constructors have run already, at loading. */
typedef int32_t (*entry_point)(void);
static entry_point g_entry;

static int serve_entry(buffer* in, void* library) {
    char* name = take_string(in, NULL);
    /* Only these two are run as entry points: any other symbol may take arguments. */
    const int known = name && !in->broken &&
                      (strcmp(name, ZV_REGISTER_FUNCTION_NAME) == 0 ||
                       strcmp(name, ZV_UNREGISTER_FUNCTION_NAME) == 0);
    g_entry = known ? (entry_point)dlsym(library, name) : NULL;
    free(name);
    buffer out = {0};
    put(&out, "e", 1);
    put_i32(&out, g_entry != NULL);
    return !in->broken && send_message(&out);
}

/* Says it started before it runs, so that the program can tell an entry point that hangs from
 * a host that never got the message. */
static int serve_run(void) {
    if (!g_entry)
        return 0;
    buffer out = {0};
    put(&out, "S", 1);
    if (!send_message(&out))
        return 0;
    const int32_t returned = g_entry();
    put(&out, "r", 1);
    put_i32(&out, returned);
    return send_message(&out);
}

/* Keeps the talk with the program on descriptors of its own, away from whatever the library
 * reads or prints. */
static int private_channels(void) {
    g_in = fcntl(0, F_DUPFD_CLOEXEC, 3);
    g_out = fcntl(1, F_DUPFD_CLOEXEC, 3);
    if (g_in < 0 || g_out < 0)
        return 0;
    /* A picture of several hundred KB then goes in one write instead of 64 KB at a time, each
     * waiting for the program to read; where the pipe cannot grow, it goes as before. */
    fcntl(g_out, F_SETPIPE_SZ, 1024 * 1024);
    const int null = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (null < 0 || dup2(null, 0) < 0 || dup2(2, 1) < 0)
        return 0;
    close(null);
    return 1;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        static const char usage[] = "usage: zavolin-host LIBRARY\n";
        if (write(2, usage, sizeof usage - 1) < 0) {
        }
        return 64;
    }
    /* A crash of the library leaves no core file behind, and what it starts ends with us. */
    const struct rlimit no_core = {0, 0};
    setrlimit(RLIMIT_CORE, &no_core);
    run_under_guard();
    signal(SIGPIPE, SIG_IGN);
    /* A plug-in that crashes ends the process at once, as a crash: no handler (a sanitizer's,
     * say) runs in a process the plug-in may have corrupted, and the program sees the crash. */
    const int crashes[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};
    for (size_t i = 0; i < sizeof crashes / sizeof crashes[0]; ++i)
        signal(crashes[i], SIG_DFL);
    if (!private_channels())
        return 71;

    buffer out = {0};
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* why = dlerror();
        put(&out, "N", 1);
        put_bytes(&out, why ? why : "", why ? strlen(why) : 0);
        send_message(&out);
        return 0;
    }
    zv_interface_version_fn version =
        (zv_interface_version_fn)dlsym(library, ZV_VERSION_FUNCTION_NAME);
    zv_create_object_fn factory = (zv_create_object_fn)dlsym(library, ZV_FACTORY_FUNCTION_NAME);
    const int32_t claimed = version ? version() : 0;
    put(&out, "L", 1);
    put_i32(&out, version != NULL);
    put_i32(&out, claimed);
    put_i32(&out, factory != NULL);
    int serving = send_message(&out);
    /* A library built for another interface version makes no objects; its registration entry
     * points take nothing of the interface and still run. */
    if (!version || claimed != ZV_INTERFACE_VERSION)
        factory = NULL;

    while (serving) {
        buffer in = {0};
        if (!receive_message(&in)) {
            free(in.data);
            break;
        }
        char kind = 0;
        take(&in, &kind, 1);
        switch (kind) {
        case ZH_CREATE:
            serving = serve_create(&in, factory);
            break;
        case ZH_INVOKE:
            serving = serve_invoke(&in);
            break;
        case ZH_RELEASE:
            serving = serve_release(&in);
            break;
        case ZH_ENTRY:
            serving = serve_entry(&in, library);
            break;
        case ZH_RUN:
            serving = serve_run();
            break;
        default:
            serving = 0;
            break;
        }
        free(in.data);
    }
    for (uint32_t id = 0; id < g_count; ++id)
        release(id);
    free(g_objects);
    dlclose(library);
    return 0;
}
