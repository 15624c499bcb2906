# Tests of the portable core: built natively and with MinGW, run under Wine.
set(FONETIKA_PORTABLE_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/GStringStorageTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GStringEditTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextSearchTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UpperCaseTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Utf8Test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LifecycleTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormatExamplesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormatDifferentialTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DecimalDigitsTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FormatBehaviourTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DebugOutputTest.cpp
)
