# Both Windows builds come from this same source tree through the MinGW-w64 toolchain files.
include(ExternalProject)

set(QUILLANE_DIST_ROOT "${CMAKE_SOURCE_DIR}/dist" CACHE PATH "Where the shipped files of each build go")

function(quillane_windows_build arch toolchain with_tests)
  ExternalProject_Add(windows_${arch}
    SOURCE_DIR "${CMAKE_SOURCE_DIR}"
    BINARY_DIR "${CMAKE_BINARY_DIR}/windows-${arch}"
    CMAKE_ARGS
      "-DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/${toolchain}"
      -DCMAKE_BUILD_TYPE=Release
      "-DQUILLANE_WERROR=${QUILLANE_WERROR}"
      "-DQUILLANE_DIST_DIR=${QUILLANE_DIST_ROOT}/${arch}"
      "-DQUILLANE_GENERATED_DIR=${QUILLANE_GENERATED_DIR}"
      "-DQUILLANE_WINDOWS_TESTS=${with_tests}"
    DEPENDS generated_pictures
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)
endfunction()

quillane_windows_build(x64 mingw-x64.cmake ON)
quillane_windows_build(x86 mingw-x86.cmake OFF)

# The end-to-end suite runs the real x64 program under Wine, headless.
add_test(NAME end_to_end
  COMMAND bash "${CMAKE_SOURCE_DIR}/tests/e2e/run_under_wine.sh"
          "${CMAKE_BINARY_DIR}/windows-x64" "${QUILLANE_DIST_ROOT}/x64")
set_tests_properties(end_to_end PROPERTIES TIMEOUT 900)

add_test(NAME dist_import_tables COMMAND bash "${CMAKE_SOURCE_DIR}/tests/check_dist.sh" "${QUILLANE_DIST_ROOT}")
