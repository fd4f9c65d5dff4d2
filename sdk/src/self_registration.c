/* Registration of a library's own class, for its DllRegisterServer and DllUnregisterServer:
 * the library finds its own file and forms the ProgID the program will look for. */
#define _GNU_SOURCE
#include "zavolin/plugin.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

/* The absolute path of the library holding `anchor`, malloc'ed; NULL when unknown. */
static char* library_path(const void* anchor) {
    Dl_info info;
    if (!anchor || !dladdr(anchor, &info) || !info.dli_fname || !info.dli_fname[0])
        return NULL;
    if (info.dli_fname[0] == '/')
        return strdup(info.dli_fname);
    /* Loaded by a relative path: the library's name is kept as it is (a symbolic link's own
     * name, not its target's, decides the ProgID), only the folder is made absolute. */
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd))
        return NULL;
    const size_t lc = strlen(cwd), lf = strlen(info.dli_fname);
    char* path = malloc(lc + 1 + lf + 1);
    if (!path)
        return NULL;
    memcpy(path, cwd, lc);
    path[lc] = '/';
    memcpy(path + lc + 1, info.dli_fname, lf + 1);
    return path;
}

/* The program's rule: the file name up to and including its first ".", then the class name
 * (a name without a dot gets one). */
static char* progid_for(const char* path, const char* class_name) {
    const char* slash = strrchr(path, '/');
    const char* name = slash ? slash + 1 : path;
    const char* dot = strchr(name, '.');
    const size_t stem = dot ? (size_t)(dot - name) : strlen(name);
    const size_t lc = strlen(class_name);
    char* progid = malloc(stem + 1 + lc + 1);
    if (!progid)
        return NULL;
    memcpy(progid, name, stem);
    progid[stem] = '.';
    memcpy(progid + stem + 1, class_name, lc + 1);
    return progid;
}

static int32_t change(const void* anchor, const char* class_name, int add) {
    if (!anchor || !class_name || !class_name[0])
        return ZV_E_INVALID;
    char* path = library_path(anchor);
    if (!path)
        return ZV_E_INVALID;
    char* progid = progid_for(path, class_name);
    int32_t status = ZV_E_NO_MEMORY;
    if (progid)
        status = add ? zv_register_class(progid, path) : zv_unregister_class(progid);
    free(progid);
    free(path);
    return status;
}

ZV_API int32_t zv_register_library_class(const void* anchor, const char* class_name) {
    return change(anchor, class_name, 1);
}

ZV_API int32_t zv_unregister_library_class(const void* anchor, const char* class_name) {
    return change(anchor, class_name, 0);
}
