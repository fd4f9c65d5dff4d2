/* The class registry file: where it lives, how it reads and how it is replaced. The one
 * definition of its format, used by the plug-ins' registration calls and by the program. */
#ifndef ZAVOLIN_REGISTRY_FILE_H
#define ZAVOLIN_REGISTRY_FILE_H

#include <stddef.h>
#include <stdint.h>

typedef struct zv_registry_entry {
    char* progid;
    char* library_path;
} zv_registry_entry;

typedef struct zv_registry {
    zv_registry_entry* entries;
    size_t count;
    size_t capacity;
} zv_registry;

/* The registry file's path ($XDG_DATA_HOME/Zavolin/classes.ini, or below ~/.local/share);
 * malloc'ed, NULL when no home directory is known. */
char* zv_registry_file_path(void);

/* Whether a ProgID or a library path can be stored in the file. */
int zv_registry_valid_progid(const char* progid);
int zv_registry_valid_path(const char* path);

/* ASCII case-insensitive equality, as ProgIDs are compared. */
int zv_registry_same_progid(const char* a, const char* b);

/* Reads the file; a missing file is an empty registry. ZV_OK, ZV_E_NO_MEMORY or
 * ZV_E_REGISTRY, the last also for what is not a regular file (a FIFO, a device, a folder) or
 * is larger than 16 MiB, which is refused without being read. On failure the registry is left
 * empty. */
int32_t zv_registry_read(const char* path, zv_registry* registry);

/* Replaces the file by one holding the registry: written beside it, flushed to disk and
 * renamed over it. ZV_E_REGISTRY, the file left alone, when the text would be larger than the
 * reader takes. */
int32_t zv_registry_write(const char* path, const zv_registry* registry);

/* Takes the writers' lock beside the file (creating its folder); returns the lock's file
 * descriptor, or -1. Released by zv_registry_unlock, or by the process's end. */
int zv_registry_lock(const char* path);
void zv_registry_unlock(int lock);

/* Entry operations on a registry in memory. */
int32_t zv_registry_set(zv_registry* registry, const char* progid, const char* library_path);
int zv_registry_remove(zv_registry* registry, const char* progid);
const zv_registry_entry* zv_registry_find(const zv_registry* registry, const char* progid);
void zv_registry_free(zv_registry* registry);

#endif
