# Writes a C++ source whose one function returns the bytes of a data file, so that the data is
# part of the program (which stays one file) and changes with the file on the next build.
# Every byte is written as an escape: no text in the file can end the literal or be read
# differently by another compiler's source character set.
# Usage: cmake -DINPUT=FILE -DOUTPUT=FILE.cpp -DNAMESPACE=ns -DFUNCTION=Name -P embed_text.cmake
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
# Eight bytes a line (CMake's expressions have no repeat count) keeps every line short.
string(REGEX REPLACE "((\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f]))" "\\1\"\n    \"" lines "${escaped}")
get_filename_component(source "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp"
  "// Made by the build from ${source}; edit that file instead.\n"
  "#include <string_view>\n\n"
  "namespace ${NAMESPACE} {\n\n"
  "std::string_view ${FUNCTION}() {\n"
  "    static constexpr char kText[] =\n"
  "    \"${lines}\";\n"
  "    return std::string_view(kText, sizeof kText - 1);\n"
  "}\n\n"
  "}  // namespace ${NAMESPACE}\n")
# Only a changed text touches the source, so an unchanged file rebuilds nothing.
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
