/* The class registry's public calls: plug-ins register and unregister through them, the
 * program looks classes up through them. */
#include "registry_file.h"
#include "zavolin/plugin.h"

#include <stdlib.h>
#include <string.h>

/* Reads the registry under the writers' lock, lets `change` alter it and writes it back. */
static int32_t update(const char* progid, const char* library_path) {
    char* path = zv_registry_file_path();
    if (!path)
        return ZV_E_REGISTRY;
    const int lock = zv_registry_lock(path);
    if (lock < 0) {
        free(path);
        return ZV_E_REGISTRY;
    }
    zv_registry registry;
    int32_t status = zv_registry_read(path, &registry);
    if (status == ZV_OK) {
        int changed = 1;
        if (library_path) {
            const zv_registry_entry* old = zv_registry_find(&registry, progid);
            changed = !old || strcmp(old->library_path, library_path) != 0;
            if (changed)
                status = zv_registry_set(&registry, progid, library_path);
        } else {
            changed = zv_registry_remove(&registry, progid);
        }
        if (status == ZV_OK && changed)
            status = zv_registry_write(path, &registry);
        zv_registry_free(&registry);
    }
    zv_registry_unlock(lock);
    free(path);
    return status;
}

ZV_API int32_t zv_register_class(const char* progid, const char* library_path) {
    if (!zv_registry_valid_progid(progid) || !zv_registry_valid_path(library_path))
        return ZV_E_INVALID;
    return update(progid, library_path);
}

ZV_API int32_t zv_unregister_class(const char* progid) {
    if (!zv_registry_valid_progid(progid))
        return ZV_E_INVALID;
    return update(progid, NULL);
}

/* A copy of the text, made with zv_alloc. */
static char* handed_out(const char* text) {
    const size_t size = strlen(text) + 1;
    char* copy = zv_alloc(size);
    if (copy)
        memcpy(copy, text, size);
    return copy;
}

ZV_API char* zv_registry_path(void) {
    char* path = zv_registry_file_path();
    if (!path)
        return NULL;
    char* copy = handed_out(path);
    free(path);
    return copy;
}

ZV_API int32_t zv_lookup_class(const char* progid, char** library_path, char** class_name) {
    if (!library_path)
        return ZV_E_INVALID;
    *library_path = NULL;
    if (class_name)
        *class_name = NULL;
    if (!zv_registry_valid_progid(progid))
        return ZV_E_NOT_REGISTERED;
    char* path = zv_registry_file_path();
    if (!path)
        return ZV_E_REGISTRY;
    /* No lock: the file is only ever replaced whole, so a reader sees one version of it. */
    zv_registry registry;
    int32_t status = zv_registry_read(path, &registry);
    free(path);
    if (status != ZV_OK)
        return status;
    const zv_registry_entry* found = zv_registry_find(&registry, progid);
    if (!found) {
        status = ZV_E_NOT_REGISTERED;
    } else {
        const char* dot = strchr(found->progid, '.');
        *library_path = handed_out(found->library_path);
        if (class_name)
            *class_name = handed_out(dot ? dot + 1 : found->progid);
        if (!*library_path || (class_name && !*class_name)) {
            zv_free(*library_path);
            *library_path = NULL;
            if (class_name) {
                zv_free(*class_name);
                *class_name = NULL;
            }
            status = ZV_E_NO_MEMORY;
        }
    }
    zv_registry_free(&registry);
    return status;
}
