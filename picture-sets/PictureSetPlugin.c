/* A picture set shipped with Zavolin: class clsPicture, whose GetPicture returns the set's SVG
 * built into the library. The same source serves every set; the build gives each its Info
 * text (PICTURE_SET_INFO) and its SVG (PictureSetData.h). */
#include "PictureSetData.h"

#include <stdlib.h>
#include <string.h>
#include <zavolin/plugin.h>

ZV_DEFINE_REGISTRATION("clsPicture")
ZV_DEFINE_INTERFACE_VERSION()

/* The objects keep no state: the program asks each one question. */
typedef struct {
    zv_object base;
} Picture;

static int32_t picture_invoke(zv_object* self, const char* member, int32_t argc,
                              const zv_variant* argv, zv_variant* result) {
    (void)self;
    if (strcmp(member, "Typ") == 0)
        return argc == 0 ? zv_set_string(result, "ZAVOLIN") : ZV_E_ARGUMENTS;
    if (strcmp(member, "Info") == 0)
        return argc == 0 ? zv_set_string(result, PICTURE_SET_INFO) : ZV_E_ARGUMENTS;
    if (strcmp(member, "GetPicture") == 0) {
        if (argc != 2 || argv[0].type != ZV_INT16 || argv[1].type != ZV_INT16)
            return ZV_E_ARGUMENTS;
        return zv_set_picture(result, PictureSetData, sizeof PictureSetData);
    }
    return ZV_E_NO_MEMBER;
}

static void picture_release(zv_object* self) {
    free(self);
}

static const zv_object_vtbl PictureFunctions = {picture_invoke, picture_release};

ZV_EXPORT int32_t zv_create_object(const char* class_name, zv_object** object) {
    if (!class_name || !object || strcmp(class_name, "clsPicture") != 0)
        return ZV_E_NO_CLASS;
    Picture* picture = malloc(sizeof *picture);
    if (!picture)
        return ZV_E_NO_MEMORY;
    picture->base.vtbl = &PictureFunctions;
    *object = &picture->base;
    return ZV_OK;
}
