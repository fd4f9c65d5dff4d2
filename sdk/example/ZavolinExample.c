/* ZavolinExample.dll: a complete Zavolin picture set in plain C.
 *
 * Build (beside the program, or anywhere and copy it there):
 *   cc -std=c11 -shared -fPIC -fvisibility=hidden -I<sdk>/include -o ZavolinExample.dll \
 *      ZavolinExample.c -L<program folder> -lzavolin-component -Wl,-rpath,'$ORIGIN'
 */
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <zavolin/plugin.h>

/* The registration entry points: DllRegisterServer registers class clsPicture under
 * "ZavolinExample.clsPicture", DllUnregisterServer removes it. */
ZV_DEFINE_REGISTRATION("clsPicture")
/* zv_interface_version(): the ABI this library is built for. */
ZV_DEFINE_INTERFACE_VERSION()

/* One cell of the grid: 400 x 208 units, the proportions of the notes (100 x 52 mm for the
 * "1" up to 145 x 75 mm for the "1000"). 10 rows of 2 cells: 800 x 2080. */
enum { CellWidth = 400, CellHeight = 208, Rows = 10, Cols = 2 };

static const char* const Values[Rows] = {"1",  "2",   "5",   "10",  "20",
                                         "50", "100", "200", "500", "1000"};
static const char* const Colours[Rows] = {"#7aa6c2", "#8fbf7f", "#d9b36c", "#c98686", "#9d8fc9",
                                          "#6cb9b0", "#c9a06c", "#8fa0bf", "#bf8fb0", "#a6a66c"};

/* A growing text; appendf returns 0 when out of memory. */
typedef struct {
    char* data;
    size_t size, capacity;
} Text;

static int appendf(Text* t, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int n = vsnprintf(NULL, 0, format, args);
    va_end(args);
    if (n < 0)
        return 0;
    if (t->size + (size_t)n + 1 > t->capacity) {
        const size_t capacity = 2 * (t->size + (size_t)n + 1);
        char* grown = realloc(t->data, capacity);
        if (!grown)
            return 0;
        t->data = grown;
        t->capacity = capacity;
    }
    va_start(args, format);
    vsnprintf(t->data + t->size, (size_t)n + 1, format, args);
    va_end(args);
    t->size += (size_t)n;
    return 1;
}

/* The picture set as SVG: row d - 1 is denomination d, front on the left, back on the right.
 * Everything a cell shows lies inside the cell. */
static int picture_set(Text* svg) {
    int ok = appendf(svg, "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 %d %d\">\n",
                     Cols * CellWidth, Rows * CellHeight);
    for (int row = 0; row < Rows; ++row) {
        for (int col = 0; col < Cols; ++col) {
            const int x = col * CellWidth, y = row * CellHeight;
            ok = ok && appendf(svg,
                               "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"%s\" "
                               "stroke=\"#303030\" stroke-width=\"8\"/>\n",
                               x + 4, y + 4, CellWidth - 8, CellHeight - 8, Colours[row]);
            ok = ok && appendf(svg,
                               "<text x=\"%d\" y=\"%d\" font-family=\"sans-serif\" "
                               "font-size=\"96\" text-anchor=\"middle\">%s</text>\n",
                               x + CellWidth / 2, y + 124, Values[row]);
            ok = ok && appendf(svg,
                               "<text x=\"%d\" y=\"%d\" font-family=\"sans-serif\" "
                               "font-size=\"28\" text-anchor=\"middle\">%s</text>\n",
                               x + CellWidth / 2, y + 176, col == 0 ? "ZAVOLIN EXAMPLE" : "BACK");
        }
    }
    return ok && appendf(svg, "</svg>\n");
}

/* The class clsPicture. It keeps no state: the program asks each object one question. */
typedef struct {
    zv_object base;
} Picture;

static int32_t picture_invoke(zv_object* self, const char* member, int32_t argc,
                              const zv_variant* argv, zv_variant* result) {
    (void)self;
    if (strcmp(member, "Typ") == 0 && argc == 0)
        return zv_set_string(result, "ZAVOLIN");
    if (strcmp(member, "Info") == 0 && argc == 0)
        return zv_set_string(result, "Example picture set");
    if (strcmp(member, "GetPicture") == 0) {
        /* The program passes two 16-bit integers, both 1. */
        if (argc != 2 || argv[0].type != ZV_INT16 || argv[1].type != ZV_INT16)
            return ZV_E_ARGUMENTS;
        Text svg = {NULL, 0, 0};
        int32_t status = ZV_E_NO_MEMORY;
        if (picture_set(&svg))
            status = zv_set_picture(result, svg.data, svg.size);
        free(svg.data);
        return status;
    }
    return ZV_E_NO_MEMBER;
}

static void picture_release(zv_object* self) {
    free(self);
}

static const zv_object_vtbl PictureFunctions = {picture_invoke, picture_release};

/* The factory: the program asks for "clsPicture". */
ZV_EXPORT int32_t zv_create_object(const char* class_name, zv_object** object) {
    if (strcmp(class_name, "clsPicture") != 0)
        return ZV_E_NO_CLASS;
    Picture* picture = malloc(sizeof *picture);
    if (!picture)
        return ZV_E_NO_MEMORY;
    picture->base.vtbl = &PictureFunctions;
    *object = &picture->base;
    return ZV_OK;
}
