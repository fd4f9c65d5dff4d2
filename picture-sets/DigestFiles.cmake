# Writes a C++ header listing the BLAKE2b-256 digests of files, so that the program knows the
# pictures it ships when a plug-in hands them back:
#   cmake -DINPUTS="a.svg|b.svg" -DOUTPUT=ShippedPictureDigests.h -P DigestFiles.cmake
find_program(B2SUM b2sum REQUIRED)
string(REPLACE "|" ";" inputs "${INPUTS}")
set(lines "")
foreach(input IN LISTS inputs)
  execute_process(COMMAND "${B2SUM}" -l 256 "${input}"
                  OUTPUT_VARIABLE sum RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "b2sum cannot read ${input}")
  endif()
  string(SUBSTRING "${sum}" 0 64 digest)
  get_filename_component(name "${input}" NAME)
  string(APPEND lines "    \"${digest}\", // ${name}\n")
endforeach()
file(WRITE "${OUTPUT}"
     "// Made by DigestFiles.cmake from the picture sets shipped with the program.\n"
     "#pragma once\n\n"
     "inline constexpr const char* ShippedPictureDigests[] = {\n${lines}};\n")
