# A malformed source stops the compiler with file:line: message, and leaves no
# output behind, not even one of an earlier run.
#   cmake -DCOMPILER=... -DSOURCE=... -DOUT=... -DEXPECTED=regex -P LayoutCompilerRejects.cmake
file(MAKE_DIRECTORY ${OUT})
file(WRITE ${OUT}/layout.c "/* from an earlier run */\n")
execute_process(COMMAND ${COMPILER} compile ${SOURCE} ${OUT} RESULT_VARIABLE result ERROR_VARIABLE stderr)
if(result EQUAL 0)
  message(FATAL_ERROR "the compiler accepted ${SOURCE}")
endif()
if(NOT stderr MATCHES "${EXPECTED}")
  message(FATAL_ERROR "unexpected message: ${stderr}")
endif()
foreach(name layout.c layout.def layout.rc layout.dump)
  if(EXISTS ${OUT}/${name})
    message(FATAL_ERROR "${name} was left behind")
  endif()
endforeach()
