/* Memory that crosses between plug-in and program: allocated and freed here only, so both
 * sides use the same allocator whatever runtime each was built with. */
#include "zavolin/plugin.h"

#include <stdlib.h>
#include <string.h>

ZV_API void* zv_alloc(size_t size) {
    return malloc(size ? size : 1);
}

ZV_API void zv_free(void* block) {
    free(block);
}

ZV_API void zv_variant_clear(zv_variant* v) {
    if (!v)
        return;
    if (v->type == ZV_STRING || v->type == ZV_PICTURE)
        zv_free(v->value.bytes.data);
    zv_variant_init(v);
}

/* Makes the variant hold size bytes (plus a NUL) of the given type; NULL when out of memory. */
static char* hold_bytes(zv_variant* v, int32_t type, size_t size) {
    if (!v || size == SIZE_MAX)
        return NULL;
    zv_variant_clear(v);
    char* data = zv_alloc(size + 1);
    if (!data)
        return NULL;
    data[size] = '\0';
    v->type = type;
    v->value.bytes.data = data;
    v->value.bytes.size = size;
    return data;
}

ZV_API int32_t zv_set_string_n(zv_variant* v, const char* utf8, size_t size) {
    if (!v || (!utf8 && size))
        return ZV_E_INVALID;
    char* data = hold_bytes(v, ZV_STRING, size);
    if (!data)
        return ZV_E_NO_MEMORY;
    if (size)
        memcpy(data, utf8, size);
    return ZV_OK;
}

ZV_API int32_t zv_set_string(zv_variant* v, const char* utf8) {
    if (!utf8)
        return ZV_E_INVALID;
    return zv_set_string_n(v, utf8, strlen(utf8));
}

ZV_API int32_t zv_set_picture(zv_variant* v, const void* bytes, size_t size) {
    if (!v || (!bytes && size))
        return ZV_E_INVALID;
    char* data = hold_bytes(v, ZV_PICTURE, size);
    if (!data)
        return ZV_E_NO_MEMORY;
    if (size)
        memcpy(data, bytes, size);
    return ZV_OK;
}

ZV_API void* zv_picture_buffer(zv_variant* v, size_t size) {
    return hold_bytes(v, ZV_PICTURE, size);
}
