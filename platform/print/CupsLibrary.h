#pragma once

#include <cups/cups.h>

namespace zavolin {

// The libcups functions the platform's CUPS code calls.
#define ZAVOLIN_CUPS_FUNCTIONS(F)                                                                  \
    F(cupsAddOption)                                                                               \
    F(cupsCancelDestJob)                                                                           \
    F(cupsCheckDestSupported)                                                                      \
    F(cupsCopyDestInfo)                                                                            \
    F(cupsCreateDestJob)                                                                           \
    F(cupsDoRequest)                                                                               \
    F(cupsEncryption)                                                                              \
    F(cupsFinishDestDocument)                                                                      \
    F(cupsFreeDestInfo)                                                                            \
    F(cupsFreeDests)                                                                               \
    F(cupsFreeOptions)                                                                             \
    F(cupsGetDests2)                                                                               \
    F(cupsGetNamedDest)                                                                            \
    F(cupsGetOption)                                                                               \
    F(cupsLastError)                                                                               \
    F(cupsLastErrorString)                                                                         \
    F(cupsServer)                                                                                  \
    F(cupsStartDestDocument)                                                                       \
    F(cupsUser)                                                                                    \
    F(cupsWriteRequestData)                                                                        \
    F(httpAssembleURIf)                                                                            \
    F(httpClose)                                                                                   \
    F(httpConnect2)                                                                                \
    F(httpSetTimeout)                                                                              \
    F(ippAddString)                                                                                \
    F(ippAddStrings)                                                                               \
    F(ippDelete)                                                                                   \
    F(ippFindAttribute)                                                                            \
    F(ippGetBoolean)                                                                               \
    F(ippGetCount)                                                                                 \
    F(ippGetInteger)                                                                               \
    F(ippGetString)                                                                                \
    F(ippNewRequest)                                                                               \
    F(ippPort)

// libcups, loaded when first used rather than with the program: it brings some twenty libraries
// (GnuTLS, Kerberos, Avahi, ...) whose loading would hold up every start by several
// milliseconds before the first line of the program runs.
struct CupsLibrary {
#define ZAVOLIN_CUPS_POINTER(name) decltype(&::name) name = nullptr;
    ZAVOLIN_CUPS_FUNCTIONS(ZAVOLIN_CUPS_POINTER)
#undef ZAVOLIN_CUPS_POINTER
};

// The loaded library, from any thread. Raises PrinterError when it cannot be loaded.
const CupsLibrary& libcups();

} // namespace zavolin
