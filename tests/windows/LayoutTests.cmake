# The layout checker, for x86 and x64, and its runs over every layout DLL: the
# tables it walks must equal what the compiler made of the .klc source, also
# after forcing a relocation and after tailoring a copy as the install does.
# The x86 DLLs are checked in the 32-bit prefix and, as the 32-bit file of
# 64-bit Windows, in the 64-bit one.
set(checker_source ${CMAKE_SOURCE_DIR}/tests/windows/layout-checker/LayoutChecker.cpp)
add_executable(layout-checker ${checker_source})
target_include_directories(layout-checker PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_definitions(layout-checker PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN)
target_compile_options(layout-checker PRIVATE -Wall -Wextra)
target_link_libraries(layout-checker PRIVATE version)

set(checker64 ${CMAKE_CURRENT_BINARY_DIR}/layout-checker64.exe)
add_custom_command(OUTPUT ${checker64}
  COMMAND ${FONETIKA_MINGW64_CXX} -std=c++17 -O2 -Wall -Wextra -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN
          -I${CMAKE_SOURCE_DIR} -static -o ${checker64} ${checker_source} -lversion
  DEPENDS ${checker_source} ${CMAKE_SOURCE_DIR}/tests/windows/layout-checker/KeyboardTables.h
  COMMENT "Layout checker for x64")
add_custom_target(layout-checker64 ALL DEPENDS ${checker64})

set(wine_run ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh)
foreach(name ${FONETIKA_LAYOUT_NAMES})
  set(dump Z:${FONETIKA_LAYOUT_DIR}/${name}/layout.dump)
  foreach(arch x86 x64)
    set(dll Z:${FONETIKA_LAYOUT_DIR}/${arch}/${name}.dll)
    set(tailored Z:${FONETIKA_LAYOUT_DIR}/tailored/${arch}/${name})
    if(arch STREQUAL x86)
      set(prefix win32)
      set(checker layout-checker)
      fonetika_wine_test(NAME layout-x86-${name}-wow64 ARCH win64 COMMAND layout-checker ${dll} ${dump})
    else()
      set(prefix win64)
      set(checker ${wine_run} ${checker64})
    endif()
    fonetika_wine_test(NAME layout-${arch}-${name} ARCH ${prefix} COMMAND ${checker} ${dll} ${dump})
    fonetika_wine_test(NAME layout-${arch}-${name}-relocated ARCH ${prefix} COMMAND ${checker} ${dll} ${dump} relocate)
    fonetika_wine_test(NAME layout-${arch}-${name}-tailored ARCH ${prefix} COMMAND ${checker} ${tailored}.dll ${tailored}.dump)
  endforeach()
endforeach()

# The shape of each DLL: no imports, no entry point, the fixed base, no time
# stamp, relocations, the one export and the resources.
foreach(arch x86 x64)
  if(arch STREQUAL x86)
    set(objdump i686-w64-mingw32-objdump)
  else()
    set(objdump x86_64-w64-mingw32-objdump)
  endif()
  foreach(name ${FONETIKA_LAYOUT_NAMES})
    add_test(NAME layout-shape-${arch}-${name}
      COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check-layout-dll.sh ${FONETIKA_LAYOUT_DIR}/${arch}/${name}.dll ${objdump})
  endforeach()
endforeach()

# The catalogue inside the payload: each slot's entry is the DLL it stands for.
add_executable(layout-catalogue-files LayoutCatalogueFilesTest.cpp ${CMAKE_SOURCE_DIR}/payload/LayoutCatalogueFiles.cpp)
target_link_libraries(layout-catalogue-files PRIVATE fonetika_payload_data)
foreach(arch win32 win64)
  fonetika_wine_test(NAME layout-catalogue-files-${arch} ARCH ${arch} COMMAND layout-catalogue-files Z:${FONETIKA_LAYOUT_DIR})
endforeach()

# The pattern strings the install searches are those of the DLLs it carries.
add_test(NAME layout-pattern-strings
  COMMAND ${CMAKE_COMMAND} -DSTRINGS=${CMAKE_SOURCE_DIR}/content/strings/common.txt
          -DPATTERNS=${FONETIKA_LAYOUT_PATTERNS} -P ${CMAKE_SOURCE_DIR}/layouts/CheckPatternStrings.cmake)
