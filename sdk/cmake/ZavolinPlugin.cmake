# zavolin_add_plugin(), the one way a picture plug-in is built: by the program's own build
# (sdk/CMakeLists.txt includes this file) and by a plug-in author's project against an installed
# SDK (the ZavolinSDK package installs it). Both name the component library Zavolin::component,
# in the source tree an alias of the target zavolin-component, installed the imported target.
include_guard(GLOBAL)

# Builds a picture plug-in the way the program finds it: a shared library named NAME.dll
# (no "lib" prefix, no soname, as on every system), only its own entry points exported.
#   zavolin_add_plugin(ZavolinExample a.c ... [OUTPUT_DIRECTORY dir] [OUTPUT_NAME name]
#                      [SOURCES b.c ...] [DEFINITIONS NAME=value ...])
# Sources may come before the keywords, as add_library() takes them, or after SOURCES.
function(zavolin_add_plugin name)
    cmake_parse_arguments(ARG "" "OUTPUT_DIRECTORY;OUTPUT_NAME" "SOURCES;DEFINITIONS" ${ARGN})
    set(sources ${ARG_UNPARSED_ARGUMENTS} ${ARG_SOURCES})
    if(NOT sources)
        message(FATAL_ERROR "zavolin_add_plugin(${name}): no source files given")
    endif()
    add_library(${name} MODULE ${sources})
    target_link_libraries(${name} PRIVATE Zavolin::component)
    target_compile_definitions(${name} PRIVATE ${ARG_DEFINITIONS})
    if(NOT ARG_OUTPUT_NAME)
        set(ARG_OUTPUT_NAME ${name})
    endif()
    set_target_properties(${name} PROPERTIES
        OUTPUT_NAME ${ARG_OUTPUT_NAME}
        PREFIX ""
        SUFFIX ".dll"
        NO_SONAME ON
        AUTOMOC OFF
        AUTOUIC OFF
        AUTORCC OFF
        C_STANDARD 11
        C_VISIBILITY_PRESET hidden
        CXX_VISIBILITY_PRESET hidden
        # Whatever loads a plug-in besides the program's helper must find the component library,
        # so a plug-in that its author's project installs keeps its way to an installed SDK's
        # library (the project's own library adds nothing: the shipped sets keep "$ORIGIN").
        INSTALL_RPATH_USE_LINK_PATH ON)
    if(ARG_OUTPUT_DIRECTORY)
        set_target_properties(${name} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIRECTORY})
    endif()
endfunction()
