# The packed documents give back exactly the rendered files, and the PDFs
# among them still open. Prints the sizes: rendered and stored.
#   -DTOOL=payload-tool -DKEY=key-material.bin -DENTRIES=dir -DRENDERED=dir -DOUT=dir
set(pairs "document-a.bin=document-a.pdf" "document-b.bin=document-b.pdf" "pointer-target.bin=pointer-target.html")
file(MAKE_DIRECTORY ${OUT})
foreach(pair ${pairs})
  string(REPLACE "=" ";" names ${pair})
  list(GET names 0 entry)
  list(GET names 1 rendered)
  execute_process(COMMAND ${TOOL} extract --key-material ${KEY} ${ENTRIES}/${entry} ${OUT}/${rendered}
                  RESULT_VARIABLE status OUTPUT_QUIET)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${entry} does not extract")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${rendered} ${RENDERED}/${rendered}
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${entry} extracts to other bytes than ${rendered}")
  endif()
  if(rendered MATCHES "\\.pdf$")
    execute_process(COMMAND pdfinfo ${OUT}/${rendered} RESULT_VARIABLE status OUTPUT_QUIET)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${rendered} from ${entry} does not open")
    endif()
  endif()
  file(SIZE ${RENDERED}/${rendered} plain)
  file(SIZE ${ENTRIES}/${entry} stored)
  message(STATUS "${entry}: ${plain} bytes rendered, ${stored} bytes stored")
endforeach()
