#define _GNU_SOURCE
#include "registry_file.h"

#include "zavolin/plugin.h"

#include <errno.h>
#include <fcntl.h>
#include <pwd.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

/* The file's format:
 *
 *   ; comment lines start with ';' or '#'
 *   [Classes]
 *   ZavolinExample.clsPicture=/opt/zavolin/ZavolinExample.dll
 *
 * One class a line in the section [Classes]: the ProgID, '=', the library's absolute path.
 * Lines of other sections are ignored. */
static const char Header[] = "; Zavolin class registry: ProgID=library path, one class a line.\n"
                             "[Classes]\n";
static const char Section[] = "[Classes]";
static const char FileName[] = "/Zavolin/classes.ini";

static char* join(const char* a, const char* b) {
    const size_t la = strlen(a), lb = strlen(b);
    char* s = malloc(la + lb + 1);
    if (!s)
        return NULL;
    memcpy(s, a, la);
    memcpy(s + la, b, lb + 1);
    return s;
}

char* zv_registry_file_path(void) {
    /* A program that registers plug-ins for one run of its own (the headless command) names a
     * private registry, so that it leaves the classes of a running window alone. */
    const char* own = getenv("ZAVOLIN_CLASS_REGISTRY");
    if (own && own[0] == '/')
        return join(own, "");
    const char* data = getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return join(data, FileName);
    const char* home = getenv("HOME");
    if (!home || home[0] != '/') {
        const struct passwd* user = getpwuid(getuid());
        home = user ? user->pw_dir : NULL;
    }
    if (!home || home[0] != '/')
        return NULL;
    char* share = join(home, "/.local/share");
    if (!share)
        return NULL;
    char* path = join(share, FileName);
    free(share);
    return path;
}

int zv_registry_valid_progid(const char* progid) {
    if (!progid || !progid[0] || progid[0] == ';' || progid[0] == '#' || progid[0] == '[')
        return 0;
    for (const unsigned char* c = (const unsigned char*)progid; *c; ++c)
        if (*c < 0x20 || *c == 0x7f || *c == '=')
            return 0;
    return 1;
}

int zv_registry_valid_path(const char* path) {
    if (!path || path[0] != '/')
        return 0;
    for (const char* c = path; *c; ++c)
        if (*c == '\n' || *c == '\r')
            return 0;
    return 1;
}

static int lower(int c) {
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

int zv_registry_same_progid(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (lower((unsigned char)*a) != lower((unsigned char)*b))
            return 0;
    return *a == *b;
}

void zv_registry_free(zv_registry* registry) {
    for (size_t i = 0; i < registry->count; ++i) {
        free(registry->entries[i].progid);
        free(registry->entries[i].library_path);
    }
    free(registry->entries);
    registry->entries = NULL;
    registry->count = registry->capacity = 0;
}

const zv_registry_entry* zv_registry_find(const zv_registry* registry, const char* progid) {
    for (size_t i = 0; i < registry->count; ++i)
        if (zv_registry_same_progid(registry->entries[i].progid, progid))
            return &registry->entries[i];
    return NULL;
}

int32_t zv_registry_set(zv_registry* registry, const char* progid, const char* library_path) {
    char* path = strdup(library_path);
    if (!path)
        return ZV_E_NO_MEMORY;
    zv_registry_entry* found = (zv_registry_entry*)zv_registry_find(registry, progid);
    if (found) {
        /* The ProgID keeps its first spelling, as a registry key does. */
        free(found->library_path);
        found->library_path = path;
        return ZV_OK;
    }
    char* id = strdup(progid);
    if (!id) {
        free(path);
        return ZV_E_NO_MEMORY;
    }
    if (registry->count == registry->capacity) {
        const size_t capacity = registry->capacity ? 2 * registry->capacity : 8;
        zv_registry_entry* grown = realloc(registry->entries, capacity * sizeof(zv_registry_entry));
        if (!grown) {
            free(id);
            free(path);
            return ZV_E_NO_MEMORY;
        }
        registry->entries = grown;
        registry->capacity = capacity;
    }
    registry->entries[registry->count].progid = id;
    registry->entries[registry->count].library_path = path;
    ++registry->count;
    return ZV_OK;
}

int zv_registry_remove(zv_registry* registry, const char* progid) {
    zv_registry_entry* found = (zv_registry_entry*)zv_registry_find(registry, progid);
    if (!found)
        return 0;
    free(found->progid);
    free(found->library_path);
    const size_t i = (size_t)(found - registry->entries);
    memmove(found, found + 1, (registry->count - i - 1) * sizeof(zv_registry_entry));
    --registry->count;
    return 1;
}

/* Reads one line section by section; returns ZV_OK or ZV_E_NO_MEMORY. */
static int32_t read_line(zv_registry* registry, char* line, int* in_section) {
    size_t n = strlen(line);
    while (n && (line[n - 1] == '\n' || line[n - 1] == '\r'))
        line[--n] = '\0';
    if (!n || line[0] == ';' || line[0] == '#')
        return ZV_OK;
    if (line[0] == '[') {
        *in_section = strcmp(line, Section) == 0;
        return ZV_OK;
    }
    char* equals = strchr(line, '=');
    if (!*in_section || !equals)
        return ZV_OK;
    *equals = '\0';
    const char* progid = line;
    const char* path = equals + 1;
    if (!zv_registry_valid_progid(progid) || !zv_registry_valid_path(path))
        return ZV_OK;
    return zv_registry_set(registry, progid, path);
}

int32_t zv_registry_read(const char* path, zv_registry* registry) {
    registry->entries = NULL;
    registry->count = registry->capacity = 0;
    FILE* file = fopen(path, "re");
    if (!file)
        return errno == ENOENT || errno == ENOTDIR ? ZV_OK : ZV_E_REGISTRY;
    char* line = NULL;
    size_t size = 0;
    int in_section = 0;
    int32_t status = ZV_OK;
    while (status == ZV_OK && getline(&line, &size, file) >= 0)
        status = read_line(registry, line, &in_section);
    if (status == ZV_OK && ferror(file))
        status = ZV_E_REGISTRY;
    free(line);
    fclose(file);
    if (status != ZV_OK)
        zv_registry_free(registry);
    return status;
}

/* The folder of the file, malloc'ed. */
static char* folder_of(const char* path) {
    char* folder = strdup(path);
    if (!folder)
        return NULL;
    char* slash = strrchr(folder, '/');
    if (slash && slash != folder)
        *slash = '\0';
    return folder;
}

/* mkdir -p with mode 0700 for what it creates. */
static int make_folders(char* folder) {
    struct stat st;
    if (stat(folder, &st) == 0)
        return S_ISDIR(st.st_mode) ? 0 : -1;
    char* slash = strrchr(folder, '/');
    if (slash && slash != folder) {
        *slash = '\0';
        const int parent = make_folders(folder);
        *slash = '/';
        if (parent != 0)
            return -1;
    }
    return mkdir(folder, 0700) == 0 || errno == EEXIST ? 0 : -1;
}

int zv_registry_lock(const char* path) {
    char* folder = folder_of(path);
    if (!folder)
        return -1;
    const int made = make_folders(folder);
    free(folder);
    if (made != 0)
        return -1;
    char* lock_path = join(path, ".lock");
    if (!lock_path)
        return -1;
    const int fd = open(lock_path, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    free(lock_path);
    if (fd < 0)
        return -1;
    while (flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            close(fd);
            return -1;
        }
    }
    return fd;
}

void zv_registry_unlock(int lock) {
    if (lock >= 0)
        close(lock);
}

static int write_all(int fd, const char* data, size_t size) {
    while (size) {
        const ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        data += n;
        size -= (size_t)n;
    }
    return 0;
}

static int write_entries(int fd, const zv_registry* registry) {
    if (write_all(fd, Header, sizeof Header - 1) != 0)
        return -1;
    for (size_t i = 0; i < registry->count; ++i) {
        const zv_registry_entry* e = &registry->entries[i];
        if (write_all(fd, e->progid, strlen(e->progid)) != 0 || write_all(fd, "=", 1) != 0 ||
            write_all(fd, e->library_path, strlen(e->library_path)) != 0 ||
            write_all(fd, "\n", 1) != 0)
            return -1;
    }
    return 0;
}

int32_t zv_registry_write(const char* path, const zv_registry* registry) {
    /* Writers hold the lock, so one temporary name serves; a writer that was killed leaves at
     * most this one file, which the next writer truncates. */
    char* temporary = join(path, ".tmp");
    if (!temporary)
        return ZV_E_NO_MEMORY;
    int32_t status = ZV_E_REGISTRY;
    const int fd = open(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd >= 0) {
        const int written = write_entries(fd, registry) == 0 && fsync(fd) == 0;
        if (close(fd) == 0 && written && rename(temporary, path) == 0)
            status = ZV_OK;
    }
    if (status != ZV_OK)
        unlink(temporary);
    free(temporary);
    return status;
}
