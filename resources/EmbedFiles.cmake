# Turns the game's pictures into C++ sources; run with cmake -P.
#
#   -DMODE=file  -DINPUT=<file> -DNAME=<path below resources/> -DOUTPUT=<.cpp>
#       writes one byte array holding the file.
#   -DMODE=table -DROOT=<resources dir> -DNAMES=<name|name|...> -DOUTPUT=<.cpp>
#       writes the table of all embedded files that FindEmbedded searches.
#
# The array of a file is called embedded_<C identifier of its name>; it holds
# the bytes and one extra zero, so that an empty file still gives valid C++.

cmake_minimum_required(VERSION 3.25)

function(symbol_of name out)
  string(MAKE_C_IDENTIFIER "${name}" id)
  set(${out} "embedded_${id}" PARENT_SCOPE)
endfunction()

if(MODE STREQUAL "file")
  symbol_of("${NAME}" sym)
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  # 16 bytes a line: "0x89,0x50,..."
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REPEAT "0x..," 16 line_of_bytes)
  string(REGEX REPLACE "(${line_of_bytes})" "\\1\n  " bytes "${bytes}")
  file(WRITE "${OUTPUT}"
    "// Generated from resources/${NAME} (${size} bytes) at build time; do not edit.\n"
    "namespace tessaro {\n"
    "extern const unsigned char ${sym}[];\n"
    "const unsigned char ${sym}[] = {\n  ${bytes}0x00};\n"
    "}  // namespace tessaro\n")
elseif(MODE STREQUAL "table")
  string(REPLACE "|" ";" names "${NAMES}")
  list(SORT names)
  set(declarations "")
  set(entries "")
  foreach(name IN LISTS names)
    symbol_of("${name}" sym)
    file(SIZE "${ROOT}/${name}" size)
    string(APPEND declarations "extern const unsigned char ${sym}[];\n")
    string(APPEND entries "    {\"${name}\", ${sym}, ${size}},\n")
  endforeach()
  list(LENGTH names count)
  file(WRITE "${OUTPUT}"
    "// Generated at build time from the files below resources/; do not edit.\n"
    "#include <cstddef>\n\n"
    "#include \"resources/Resources.h\"\n\n"
    "namespace tessaro {\n\n"
    "${declarations}\n"
    "// Sorted by name.\n"
    "extern const EmbeddedFile kEmbeddedFiles[];\n"
    "extern const std::size_t kEmbeddedFileCount;\n"
    "const EmbeddedFile kEmbeddedFiles[] = {\n${entries}    {nullptr, nullptr, 0}};\n"
    "const std::size_t kEmbeddedFileCount = ${count};\n\n"
    "}  // namespace tessaro\n")
else()
  message(FATAL_ERROR "EmbedFiles.cmake: MODE must be file or table")
endif()
