# Turns a file into a C header holding its bytes, so that a plug-in carries its picture set:
#   cmake -DINPUT=set.svg -DOUTPUT=PictureSetData.h -P EmbedFile.cmake
file(READ "${INPUT}" bytes HEX)
string(LENGTH "${bytes}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
    "/* Generated from ${INPUT}: do not edit. */\n"
    "static const unsigned char PictureSetData[${size}] = {\n${bytes}\n};\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
