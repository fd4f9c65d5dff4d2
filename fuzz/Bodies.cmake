# The fuzz targets' bodies (FuzzTargets.h), built into the libFuzzer executables of fuzz/ and
# into the test that replays their seeds and kept inputs (tests/fuzz); included by both.
# A new target: its name here, fuzz/<Name>Fuzz.cpp with fuzzOne<Name>, a row in
# FuzzTargets.cpp and seeds in fuzz/corpus/<name>.
set(ZAVOLIN_FUZZ_TARGETS
    profile_string
    conversions
    registry_file
    sheet_arguments
    picture
    own_set_import
    stored_settings)

# profile_string -> ProfileString
function(zavolin_fuzz_pascal_name name out)
    string(REPLACE "_" ";" words ${name})
    set(pascal "")
    foreach(word IN LISTS words)
        string(SUBSTRING ${word} 0 1 first)
        string(TOUPPER ${first} first)
        string(SUBSTRING ${word} 1 -1 rest)
        string(APPEND pascal ${first}${rest})
    endforeach()
    set(${out} ${pascal} PARENT_SCOPE)
endfunction()

if(NOT TARGET zavolin_fuzz_bodies)
    set(bodies)
    foreach(name IN LISTS ZAVOLIN_FUZZ_TARGETS)
        zavolin_fuzz_pascal_name(${name} pascal)
        list(APPEND bodies ${CMAKE_CURRENT_LIST_DIR}/${pascal}Fuzz.cpp)
    endforeach()
    add_library(zavolin_fuzz_bodies STATIC
        ${bodies}
        ${CMAKE_CURRENT_LIST_DIR}/FuzzSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/FuzzTargets.cpp
        # The SDK keeps the file's reader private to its library; the target takes it as is.
        ${PROJECT_SOURCE_DIR}/sdk/src/registry_file.c)
    target_include_directories(zavolin_fuzz_bodies
        PUBLIC ${CMAKE_CURRENT_LIST_DIR}
        PRIVATE ${PROJECT_SOURCE_DIR}/sdk/src ${PROJECT_SOURCE_DIR}/sdk/include)
    target_link_libraries(zavolin_fuzz_bodies PUBLIC zavolin_app zavolin_cli zavolin_ownsets zavolin_platform)
endif()
