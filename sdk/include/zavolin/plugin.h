/*
 * Zavolin plug-in SDK: the component ABI between the program and its picture plug-ins.
 *
 * A plug-in is a shared library lying beside the program, named "Zavolin*.dll" (on every
 * system), that exports four plain C functions:
 *
 *   int32_t zv_interface_version(void);            ZV_VERSION_FUNCTION_NAME
 *   int32_t zv_create_object(const char* class_name, zv_object** object);
 *                                                   ZV_FACTORY_FUNCTION_NAME
 *   int32_t DllRegisterServer(void);                ZV_REGISTER_FUNCTION_NAME
 *   int32_t DllUnregisterServer(void);              ZV_UNREGISTER_FUNCTION_NAME
 *
 * and links against the component library (libzavolin-component), which keeps the per-user
 * class registry and owns every block of memory that crosses between plug-in and program.
 * No Qt and no C++ are needed. See sdk/README.md for a complete example.
 */
#ifndef ZAVOLIN_PLUGIN_H
#define ZAVOLIN_PLUGIN_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define ZV_EXTERN_C extern "C"
extern "C" {
#else
#define ZV_EXTERN_C
#endif

/* The version of this ABI. The program creates objects only from libraries whose
 * zv_interface_version() returns the same number; any other library's objects answer every
 * member call with a failure, so the program passes over it without a word. */
#define ZV_INTERFACE_VERSION 1

/* Marks a function a plug-in exports. */
#define ZV_EXPORT ZV_EXTERN_C __attribute__((visibility("default")))

/* The component library's own functions. */
#ifdef ZV_BUILDING_COMPONENT_LIBRARY
#define ZV_API __attribute__((visibility("default")))
#else
#define ZV_API
#endif

#define ZV_VERSION_FUNCTION_NAME "zv_interface_version"
#define ZV_FACTORY_FUNCTION_NAME "zv_create_object"
#define ZV_REGISTER_FUNCTION_NAME "DllRegisterServer"
#define ZV_UNREGISTER_FUNCTION_NAME "DllUnregisterServer"

/* ---- Status codes ------------------------------------------------------------------------ */

#define ZV_OK 0
#define ZV_E_NO_MEMBER 1      /* invoke: the object has no member of that name */
#define ZV_E_ARGUMENTS 2      /* invoke: wrong number or kind of arguments */
#define ZV_E_FAILED 3         /* invoke: the member failed; a ZV_STRING result may say why */
#define ZV_E_NO_CLASS 4       /* factory: the library has no class of that name */
#define ZV_E_NO_MEMORY 5      /* out of memory */
#define ZV_E_NOT_REGISTERED 6 /* registry: no class is registered under that ProgID */
#define ZV_E_REGISTRY 7       /* registry: the registry file cannot be read or written */
#define ZV_E_INVALID 8        /* a null pointer, or a name or path the registry cannot hold */

/* ---- Variants ---------------------------------------------------------------------------- */

typedef enum zv_type {
    ZV_EMPTY = 0,
    ZV_INT16 = 1,  /* value.i16 */
    ZV_INT32 = 2,  /* value.i32 */
    ZV_DOUBLE = 3, /* value.f64 */
    ZV_BOOL = 4,   /* value.boolean: 0 false, anything else true */
    ZV_STRING = 5, /* value.bytes: UTF-8 text, size bytes, followed by a NUL not counted */
    ZV_PICTURE = 6 /* value.bytes: one encoded image, PNG, JPEG or SVG (also gzip-compressed) */
} zv_type;

/* One value passed to or returned from a member. The bytes of a ZV_STRING or ZV_PICTURE are
 * always allocated by the component library (zv_set_string, zv_set_picture,
 * zv_picture_buffer) and freed with zv_variant_clear by whoever owns the variant: the program
 * owns both the arguments and the result of a call. */
typedef struct zv_variant {
    int32_t type; /* a zv_type */
    int32_t reserved;
    union {
        int16_t i16;
        int32_t i32;
        double f64;
        int32_t boolean;
        struct {
            char* data;
            size_t size;
        } bytes;
    } value;
} zv_variant;

static inline void zv_variant_init(zv_variant* v) {
    v->type = ZV_EMPTY;
    v->reserved = 0;
    v->value.bytes.data = NULL;
    v->value.bytes.size = 0;
}
static inline void zv_set_int16(zv_variant* v, int16_t i) {
    v->type = ZV_INT16;
    v->value.i16 = i;
}
static inline void zv_set_int32(zv_variant* v, int32_t i) {
    v->type = ZV_INT32;
    v->value.i32 = i;
}
static inline void zv_set_double(zv_variant* v, double d) {
    v->type = ZV_DOUBLE;
    v->value.f64 = d;
}
static inline void zv_set_bool(zv_variant* v, int b) {
    v->type = ZV_BOOL;
    v->value.boolean = b != 0;
}

/* Frees what the variant holds and makes it ZV_EMPTY. Safe on an empty variant. */
ZV_API void zv_variant_clear(zv_variant* v);
/* Makes the variant a copy of the NUL-terminated UTF-8 text. ZV_OK or ZV_E_NO_MEMORY. */
ZV_API int32_t zv_set_string(zv_variant* v, const char* utf8);
/* The same for size bytes of UTF-8 text that need not end with a NUL. */
ZV_API int32_t zv_set_string_n(zv_variant* v, const char* utf8, size_t size);
/* Makes the variant a picture holding a copy of the encoded image. */
ZV_API int32_t zv_set_picture(zv_variant* v, const void* bytes, size_t size);
/* Makes the variant a picture of size bytes and returns them to be filled in, or NULL (the
 * variant then stays empty). Saves a copy of a large image. */
ZV_API void* zv_picture_buffer(zv_variant* v, size_t size);

/* Memory that one side allocates and the other frees. */
ZV_API void* zv_alloc(size_t size);
ZV_API void zv_free(void* block);

/* ---- Objects ----------------------------------------------------------------------------- */

typedef struct zv_object zv_object;

typedef struct zv_object_vtbl {
    /* Calls the member `member` (the property or method name, NUL-terminated) with argc
     * arguments. `result` arrives ZV_EMPTY; on ZV_OK it holds the member's value. On
     * ZV_E_FAILED it may hold a ZV_STRING saying what went wrong. Arguments are read-only and
     * stay the caller's. */
    int32_t (*invoke)(zv_object* self, const char* member, int32_t argc, const zv_variant* argv,
                      zv_variant* result);
    /* Destroys the object. The program calls it exactly once per object, and no other
     * function of the object afterwards. */
    void (*release)(zv_object* self);
} zv_object_vtbl;

/* Every object starts with its function table; a plug-in puts its own data after it. */
struct zv_object {
    const zv_object_vtbl* vtbl;
};

/* The functions a plug-in exports. */
typedef int32_t (*zv_interface_version_fn)(void);
typedef int32_t (*zv_create_object_fn)(const char* class_name, zv_object** object);
typedef int32_t (*zv_server_fn)(void);

/* Defines zv_interface_version() returning the version this plug-in is built for. */
#define ZV_DEFINE_INTERFACE_VERSION()                                                              \
    ZV_EXPORT int32_t zv_interface_version(void) {                                                 \
        return ZV_INTERFACE_VERSION;                                                               \
    }

/* ---- Registration ------------------------------------------------------------------------ */

/* The per-user class registry maps a ProgID to the library that holds the class. It is one
 * file, $XDG_DATA_HOME/Zavolin/classes.ini (~/.local/share/Zavolin/classes.ini when
 * XDG_DATA_HOME is unset), replaced as a whole on every change so that a reader never sees
 * half of one. ProgIDs are compared without regard to ASCII case. */

/* Registers `progid` as the class held by the library at `library_path` (an absolute path),
 * replacing an earlier registration of the same ProgID. */
ZV_API int32_t zv_register_class(const char* progid, const char* library_path);
/* Removes the registration of `progid`; ZV_OK also when there was none. */
ZV_API int32_t zv_unregister_class(const char* progid);
/* The library registered for `progid`: on ZV_OK *library_path is a NUL-terminated path and,
 * unless class_name is NULL, *class_name the class's name in that library (the registered
 * ProgID's part after its first ".", as the library spelled it), both to be freed with
 * zv_free. ZV_E_NOT_REGISTERED when there is none. */
ZV_API int32_t zv_lookup_class(const char* progid, char** library_path, char** class_name);
/* The registry file's path, to be freed with zv_free; NULL when no home directory is known. */
ZV_API char* zv_registry_path(void);

/* Registers or unregisters class `class_name` of the library that holds `anchor` (the address
 * of any function or static object of the library) under the ProgID the program looks for:
 * the library's file name up to and including its first ".", then `class_name`. For
 * "ZavolinExample.dll" and "clsPicture" that is "ZavolinExample.clsPicture". */
ZV_API int32_t zv_register_library_class(const void* anchor, const char* class_name);
ZV_API int32_t zv_unregister_library_class(const void* anchor, const char* class_name);

/* Defines DllRegisterServer() and DllUnregisterServer() for a library holding one class. */
#define ZV_DEFINE_REGISTRATION(class_name)                                                         \
    static const char zv_library_anchor = 0;                                                       \
    ZV_EXPORT int32_t DllRegisterServer(void) {                                                    \
        return zv_register_library_class(&zv_library_anchor, class_name);                          \
    }                                                                                              \
    ZV_EXPORT int32_t DllUnregisterServer(void) {                                                  \
        return zv_unregister_library_class(&zv_library_anchor, class_name);                        \
    }

#ifdef __cplusplus
}
#endif

#endif /* ZAVOLIN_PLUGIN_H */
