# The payload entries of setup.exe. Any CMakeLists.txt may add one (before
# payload/data is processed, which the top level does last):
#
#   fonetika_payload_entry(FILE layout-x86.bin SYMBOL LayoutX86Entry
#                          SOURCE ${path}/kbd.dll [DEPENDS target-or-file...] [TEXT])
#
# FILE names the stored entry in the payload folder of the build tree,
# SYMBOL the `extern const PayloadEntry` the program uses, SOURCE the plain
# file packed into it. TEXT turns line feeds into CR LF (texts for edit
# controls). The string tables and the key material are built apart.
function(fonetika_payload_entry)
  cmake_parse_arguments(E "TEXT" "FILE;SYMBOL;SOURCE" "DEPENDS" ${ARGN})
  if(NOT E_FILE OR NOT E_SYMBOL OR NOT E_SOURCE)
    message(FATAL_ERROR "fonetika_payload_entry needs FILE, SYMBOL and SOURCE")
  endif()
  set_property(GLOBAL APPEND PROPERTY FONETIKA_PAYLOAD_ENTRIES "${E_FILE}|${E_SYMBOL}|${E_SOURCE}|${E_TEXT}|${E_DEPENDS}")
endfunction()
