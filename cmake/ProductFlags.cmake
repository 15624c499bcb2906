# Flags of the product code (not of the tests): no exceptions, no RTTI.
add_library(fonetika_flags INTERFACE)
target_compile_options(fonetika_flags INTERFACE -fno-exceptions -fno-rtti -Wall -Wextra)
target_include_directories(fonetika_flags INTERFACE ${CMAKE_SOURCE_DIR})

if(FONETIKA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(CMAKE_CROSSCOMPILING)
  target_compile_definitions(fonetika_flags INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN
                             _WIN32_WINNT=0x0500 WINVER=0x0500)
  # Nothing unwinds: no tables for it, and unused sections dropped.
  target_compile_options(fonetika_flags INTERFACE -fno-asynchronous-unwind-tables -ffunction-sections -fdata-sections)
  # One self-contained file: nothing of MinGW's runtime beside it.
  add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections)
endif()
