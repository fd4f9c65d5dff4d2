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

/* The largest file read or written. A line is a ProgID and a path, rarely over 200 bytes, so
 * this holds some 80,000 classes, far more than any machine registers, while it bounds what a
 * lookup reads into memory and parses. */
#define ZV_REGISTRY_MAX_SIZE (16u << 20)

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

/* Adds an entry without looking for one of the same ProgID. */
static int32_t append(zv_registry* registry, const char* progid, const char* library_path) {
    char* id = strdup(progid);
    char* path = strdup(library_path);
    if (!id || !path) {
        free(id);
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

/* Gives the entry a new library path; the ProgID keeps its first spelling, as a registry key
 * does. */
static int32_t replace_path(zv_registry_entry* entry, const char* library_path) {
    char* path = strdup(library_path);
    if (!path)
        return ZV_E_NO_MEMORY;
    free(entry->library_path);
    entry->library_path = path;
    return ZV_OK;
}

int32_t zv_registry_set(zv_registry* registry, const char* progid, const char* library_path) {
    zv_registry_entry* found = (zv_registry_entry*)zv_registry_find(registry, progid);
    return found ? replace_path(found, library_path) : append(registry, progid, library_path);
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

/* While a file is read, the entries by ProgID, so that each line finds an earlier one of the
 * same ProgID at once rather than by a search of all before it. Open addressing; a slot holds
 * an entry's index plus one, 0 when free. */
typedef struct progid_index {
    size_t* slots;
    size_t mask;
} progid_index;

static size_t progid_hash(const char* progid) {
    size_t hash = 14695981039346656037u & SIZE_MAX;
    for (const unsigned char* c = (const unsigned char*)progid; *c; ++c)
        hash = (hash ^ (size_t)lower(*c)) * (size_t)1099511628211u;
    return hash;
}

/* The slot of the ProgID: the one holding it, or the free one where it would go. */
static size_t* index_slot(const progid_index* index, const zv_registry* registry,
                          const char* progid) {
    size_t i = progid_hash(progid) & index->mask;
    while (index->slots[i] &&
           !zv_registry_same_progid(registry->entries[index->slots[i] - 1].progid, progid))
        i = (i + 1) & index->mask;
    return &index->slots[i];
}

/* Keeps the table at most half full for the registry's next entry. */
static int32_t index_make_room(progid_index* index, const zv_registry* registry) {
    if (index->slots && 2 * (registry->count + 1) <= index->mask + 1)
        return ZV_OK;
    const size_t size = index->slots ? 2 * (index->mask + 1) : 64;
    size_t* slots = calloc(size, sizeof(size_t));
    if (!slots)
        return ZV_E_NO_MEMORY;
    free(index->slots);
    index->slots = slots;
    index->mask = size - 1;
    for (size_t e = 0; e < registry->count; ++e)
        *index_slot(index, registry, registry->entries[e].progid) = e + 1;
    return ZV_OK;
}

/* Reads one line (without its line feed) section by section; returns ZV_OK or
 * ZV_E_NO_MEMORY. */
static int32_t read_line(zv_registry* registry, progid_index* index, char* line, int* in_section) {
    size_t n = strlen(line);
    while (n && line[n - 1] == '\r')
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
    const int32_t room = index_make_room(index, registry);
    if (room != ZV_OK)
        return room;
    size_t* slot = index_slot(index, registry, progid);
    if (*slot)
        return replace_path(&registry->entries[*slot - 1], path);
    const int32_t added = append(registry, progid, path);
    if (added == ZV_OK)
        *slot = registry->count;
    return added;
}

/* The whole file, NUL-terminated, in a malloc'ed buffer; NULL with errno set when it cannot be
 * had. Only a regular file of at most ZV_REGISTRY_MAX_SIZE bytes is read: a FIFO, a device
 * (a link to /dev/zero) or a directory in its place would make a lookup hang or read without
 * end. O_NONBLOCK keeps the open of a FIFO from waiting for a writer; links are followed, as
 * they always were, since what is read is checked on the open descriptor itself. */
static char* read_whole(const char* path, size_t* size) {
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return NULL;
    char* text = NULL;
    struct stat st;
    if (fstat(fd, &st) != 0) {
        /* errno says why */
    } else if (S_ISDIR(st.st_mode)) {
        errno = EISDIR;
    } else if (!S_ISREG(st.st_mode)) {
        errno = EINVAL;
    } else if (st.st_size > (off_t)ZV_REGISTRY_MAX_SIZE) {
        errno = EFBIG;
    } else {
        /* One byte more than fstat said, to notice a file that grows while it is read. */
        size_t capacity = (size_t)st.st_size + 1;
        size_t have = 0;
        text = malloc(capacity + 1);
        while (text) {
            if (have == capacity) {
                const size_t more = capacity > ZV_REGISTRY_MAX_SIZE / 2
                                        ? (size_t)ZV_REGISTRY_MAX_SIZE + 1
                                        : 2 * capacity;
                char* grown = capacity > ZV_REGISTRY_MAX_SIZE ? NULL : realloc(text, more + 1);
                if (!grown) {
                    free(text);
                    text = NULL;
                    errno = capacity > ZV_REGISTRY_MAX_SIZE ? EFBIG : ENOMEM;
                    break;
                }
                text = grown;
                capacity = more;
            }
            const ssize_t n = read(fd, text + have, capacity - have);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                const int error = errno;
                free(text);
                text = NULL;
                errno = error;
            } else if (n == 0) {
                text[have] = '\0';
                *size = have;
                break;
            } else {
                have += (size_t)n;
            }
        }
    }
    const int error = errno;
    close(fd);
    errno = error;
    return text;
}

int32_t zv_registry_read(const char* path, zv_registry* registry) {
    registry->entries = NULL;
    registry->count = registry->capacity = 0;
    size_t size = 0;
    char* text = read_whole(path, &size);
    if (!text) {
        if (errno == ENOENT || errno == ENOTDIR)
            return ZV_OK;
        return errno == ENOMEM ? ZV_E_NO_MEMORY : ZV_E_REGISTRY;
    }
    progid_index index = {NULL, 0};
    int in_section = 0;
    int32_t status = ZV_OK;
    for (char* line = text; status == ZV_OK && line < text + size;) {
        char* end = memchr(line, '\n', (size_t)(text + size - line));
        if (!end)
            end = text + size;
        *end = '\0';
        status = read_line(registry, &index, line, &in_section);
        line = end + 1;
    }
    free(index.slots);
    free(text);
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

/* The file's text in one malloc'ed buffer, written with one call rather than a few small
 * writes a class; NULL with errno set. A registry too large to be read back is not written. */
static char* file_text(const zv_registry* registry, size_t* size) {
    size_t total = sizeof Header - 1;
    for (size_t i = 0; i < registry->count; ++i)
        total +=
            strlen(registry->entries[i].progid) + strlen(registry->entries[i].library_path) + 2;
    if (total > ZV_REGISTRY_MAX_SIZE) {
        errno = EFBIG;
        return NULL;
    }
    char* text = malloc(total);
    if (!text)
        return NULL;
    char* at = text;
    memcpy(at, Header, sizeof Header - 1);
    at += sizeof Header - 1;
    for (size_t i = 0; i < registry->count; ++i) {
        const zv_registry_entry* e = &registry->entries[i];
        const size_t lp = strlen(e->progid), ll = strlen(e->library_path);
        memcpy(at, e->progid, lp);
        at += lp;
        *at++ = '=';
        memcpy(at, e->library_path, ll);
        at += ll;
        *at++ = '\n';
    }
    *size = total;
    return text;
}

int32_t zv_registry_write(const char* path, const zv_registry* registry) {
    /* Writers hold the lock, so one temporary name serves; a writer that was killed leaves at
     * most this one file, which the next writer truncates. */
    char* temporary = join(path, ".tmp");
    if (!temporary)
        return ZV_E_NO_MEMORY;
    size_t size = 0;
    char* text = file_text(registry, &size);
    if (!text) {
        const int32_t refused = errno == EFBIG ? ZV_E_REGISTRY : ZV_E_NO_MEMORY;
        free(temporary);
        return refused;
    }
    int32_t status = ZV_E_REGISTRY;
    const int fd = open(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd >= 0) {
        const int written = write_all(fd, text, size) == 0 && fsync(fd) == 0;
        if (close(fd) == 0 && written && rename(temporary, path) == 0)
            status = ZV_OK;
    }
    if (status != ZV_OK)
        unlink(temporary);
    free(text);
    free(temporary);
    return status;
}
