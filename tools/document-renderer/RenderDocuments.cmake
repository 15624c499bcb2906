# The rules that render the documents with the document renderer TOOL into
# OUT_DIR: document-a.pdf (the user guide), document-b.pdf (the keyboard
# charts) and pointer-target.html. Used by the host build (for the tests) and
# by the Windows build (for the payload).
function(fonetika_render_documents TOOL OUT_DIR)
  set(content ${CMAKE_SOURCE_DIR}/content)
  set(docs ${content}/documents)
  # Standard layouts first, then the alternative set; every source present is drawn.
  file(GLOB standard CONFIGURE_DEPENDS ${content}/layouts/standard-*.klc)
  file(GLOB alternative CONFIGURE_DEPENDS ${content}/layouts/alternative-*.klc)
  set(layouts ${standard} ${alternative})
  set(texts ${docs}/documents.txt)
  set(strings ${content}/strings)
  set(guides ${docs}/guide-en.txt ${docs}/guide-pl.txt)
  set(common ${TOOL} ${texts} ${strings}/common.txt ${layouts})
  add_custom_command(OUTPUT ${OUT_DIR}/document-a.pdf
    COMMAND ${CMAKE_COMMAND} -E make_directory ${OUT_DIR}
    COMMAND ${TOOL} guide ${OUT_DIR}/document-a.pdf ${texts} ${strings} ${guides} --layouts ${layouts}
    DEPENDS ${common} ${guides}
    COMMENT "User guide")
  add_custom_command(OUTPUT ${OUT_DIR}/document-b.pdf
    COMMAND ${CMAKE_COMMAND} -E make_directory ${OUT_DIR}
    COMMAND ${TOOL} charts ${OUT_DIR}/document-b.pdf ${texts} ${strings} ${layouts}
    DEPENDS ${common}
    COMMENT "Keyboard charts")
  add_custom_command(OUTPUT ${OUT_DIR}/pointer-target.html
    COMMAND ${CMAKE_COMMAND} -E make_directory ${OUT_DIR}
    COMMAND ${TOOL} page ${OUT_DIR}/pointer-target.html ${texts} ${strings} ${docs}/pointer-page.html ${layouts}
    DEPENDS ${common} ${docs}/pointer-page.html
    COMMENT "Pointer page")
  set_property(GLOBAL PROPERTY FONETIKA_DOCUMENT_LAYOUTS "${layouts}")
endfunction()
