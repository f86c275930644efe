# Builds files (pictures, icons) into the programs as byte arrays.
#
#   kelvo_embed(<out-var>
#               OUTPUT <generated .cpp>
#               HEADER <header that declares the objects, as it is included>
#               NAMESPACE <namespace of the objects>
#               BLOBS <name> <file> [<name> <file> ...])
#
# defines, for every name, `const Blob <name>{data, size}` in the namespace,
# with the bytes of its file. The source is written at build time by this same
# file run as a script (cmake -P), so editing one of the files writes it anew.
# <out-var> receives the path of the generated source, to be added to a target.

if(NOT CMAKE_SCRIPT_MODE_FILE)

function(kelvo_embed out_var)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "OUTPUT;HEADER;NAMESPACE" "BLOBS")
  list(LENGTH arg_BLOBS count)
  math(EXPR odd "${count} % 2")
  if(count EQUAL 0 OR odd)
    message(FATAL_ERROR "kelvo_embed: BLOBS needs pairs of name and file")
  endif()
  set(files "")
  set(pairs "")
  math(EXPR last "${count} - 1")
  foreach(i RANGE 0 ${last} 2)
    math(EXPR j "${i} + 1")
    list(GET arg_BLOBS ${i} name)
    list(GET arg_BLOBS ${j} file)
    get_filename_component(file "${file}" ABSOLUTE)
    list(APPEND files "${file}")
    # '|' separates the entries: a ';' would split the command's argument.
    string(APPEND pairs "${name}=${file}|")
  endforeach()
  add_custom_command(
    OUTPUT "${arg_OUTPUT}"
    COMMAND "${CMAKE_COMMAND}"
            "-DOUTPUT=${arg_OUTPUT}" "-DHEADER=${arg_HEADER}"
            "-DNAMESPACE=${arg_NAMESPACE}" "-DBLOBS=${pairs}"
            -P "${CMAKE_CURRENT_FUNCTION_LIST_FILE}"
    DEPENDS ${files} "${CMAKE_CURRENT_FUNCTION_LIST_FILE}"
    COMMENT "Embedding files into ${arg_OUTPUT}"
    VERBATIM)
  set(${out_var} "${arg_OUTPUT}" PARENT_SCOPE)
endfunction()

else()

# Script mode: write OUTPUT from HEADER, NAMESPACE and BLOBS (name=file|...).
string(REPLACE "|" ";" entries "${BLOBS}")
set(text "// Made by cmake/embed.cmake from the files named below; edit those, not this.\n")
string(APPEND text "#include \"${HEADER}\"\n\nnamespace ${NAMESPACE} {\n")
foreach(entry IN LISTS entries)
  if(entry STREQUAL "")
    continue()
  endif()
  string(FIND "${entry}" "=" eq)
  string(SUBSTRING "${entry}" 0 ${eq} name)
  math(EXPR from "${eq} + 1")
  string(SUBSTRING "${entry}" ${from} -1 file)
  file(SIZE "${file}" size)
  file(READ "${file}" hex HEX)
  # 24 bytes a line, each as 0xNN.
  string(REGEX REPLACE "([0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f][0-9a-f])"
         "\\1\n" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  if(size EQUAL 0)
    set(bytes "0")  # an array may not be empty; the size below stays 0
  endif()
  get_filename_component(base "${file}" NAME)
  string(APPEND text "\n// ${base}, ${size} bytes\n"
         "static const unsigned char ${name}_bytes[] = {\n${bytes}\n};\n"
         "const Blob ${name}{${name}_bytes, ${size}};\n")
endforeach()
string(APPEND text "\n}  // namespace ${NAMESPACE}\n")
file(WRITE "${OUTPUT}" "${text}")

endif()
