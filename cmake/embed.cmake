# velmora_embed_files(<target> <folder> <header> <function>)
#
# Embeds every file below <folder> (dot files aside) byte for byte into
# <target>: the generated source defines <function>, declared in <header> as
# returning std::span<const pakko_gen::EmbeddedFile>, with the
# files' paths relative to <folder>. Configuring again picks up edits as well
# as new files.
function(velmora_embed_files target folder header function)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${folder} ${folder}/*)
  list(FILTER files EXCLUDE REGEX "(^|/)\\.[^/]*$")
  list(SORT files)
  set(EMBED_ARRAYS "")
  set(EMBED_ENTRIES "")
  set(index 0)
  foreach(relative IN LISTS files)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${folder}/${relative})
    file(READ ${folder}/${relative} hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    # A trailing zero keeps the array non-empty for an empty file.
    string(APPEND EMBED_ARRAYS "const unsigned char data${index}[] = {${bytes}0};\n")
    string(APPEND EMBED_ENTRIES "        {\"${relative}\", text(data${index}, sizeof data${index} - 1)},\n")
    math(EXPR index "${index} + 1")
  endforeach()
  set(EMBED_HEADER ${header})
  set(EMBED_FUNCTION ${function})
  string(MAKE_C_IDENTIFIER ${function} stem)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${stem}.cpp)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/embedded_files.cpp.in ${out} @ONLY)
  target_sources(${target} PRIVATE ${out})
endfunction()
