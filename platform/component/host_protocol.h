/* The conversation between the program and zavolin-host, the process a plug-in library's
 * objects live in. Every message is a 32-bit length (little-endian) and that many bytes: a
 * one-byte kind and its fields. Numbers are little-endian; a text or byte string is a 32-bit
 * length and its bytes. "<" is from the program, ">" to it.
 *
 *   > LOADED    i32 has_version, i32 version, i32 has_factory   after loading the library
 *   > NOT_LOADED string why
 *   < CREATE    string class_name
 *   > OBJECT    u32 object | FAILED i32 status
 *   < INVOKE    u32 object, string member, i32 argc, argc variants
 *   > RESULT    i32 status, variant
 *   < RELEASE   u32 object
 *   > RELEASED
 *   < ENTRY     string name    a registration entry point: DllRegisterServer, DllUnregisterServer
 *   > FOUND     i32 found
 *   < RUN                      runs the entry point found last; at once
 *   > STARTED                  and once it returns
 *   > RETURNED  i32 result     for information only
 *
 * A variant is an i32 zv_type and its value: i16, i32, f64, i32 (Boolean) or a byte string
 * (text, picture); a result the plug-in left malformed is sent as type MALFORMED without a
 * value. End of input releases what is left, unloads the library and ends the host. */
#ifndef ZAVOLIN_HOST_PROTOCOL_H
#define ZAVOLIN_HOST_PROTOCOL_H

enum zh_kind {
    ZH_LOADED = 'L',
    ZH_NOT_LOADED = 'N',
    ZH_CREATE = 'C',
    ZH_OBJECT = 'O',
    ZH_FAILED = 'F',
    ZH_INVOKE = 'I',
    ZH_RESULT = 'R',
    ZH_RELEASE = 'D',
    ZH_RELEASED = 'd',
    ZH_ENTRY = 'E',
    ZH_FOUND = 'e',
    ZH_RUN = 'U',
    ZH_STARTED = 'S',
    ZH_RETURNED = 'r'
};

#define ZH_MALFORMED (-1)
/* No message is longer: a picture set of that size is no picture set. */
#define ZH_MAX_MESSAGE (1024u * 1024u * 1024u)

#endif
