# Cross tree: the Windows program, its Windows test suites (run under Wine by
# ctest through CMAKE_CROSSCOMPILING_EMULATOR) and Windows benchmarks.

if(NOT FW_HOST_TOOLS_DIR)
  message(FATAL_ERROR "FW_HOST_TOOLS_DIR must name the host tree's tools folder")
endif()

add_compile_definitions(NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 STRICT)
add_link_options(-static -static-libgcc -static-libstdc++)

set(FW_WIN_LIBS comctl32 comdlg32 shell32 ole32 oleaut32 uuid shlwapi gdi32 user32
                advapi32 msimg32 version winmm)

fw_add_portable_library()

# Windows code: everything under src/ that is not portable and not the entry point.
file(GLOB_RECURSE FW_ALL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp)
set(FW_WIN_SOURCES)
foreach(src IN LISTS FW_ALL_SOURCES)
  if(src IN_LIST FW_PORTABLE_SOURCES OR src MATCHES "/src/app/main\\.cpp$"
     OR src MATCHES "/src/Empty\\.cpp$")
    continue()
  endif()
  list(APPEND FW_WIN_SOURCES ${src})
endforeach()
add_library(fw_win OBJECT ${FW_WIN_SOURCES} ${CMAKE_SOURCE_DIR}/src/Empty.cpp)
target_include_directories(fw_win PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(fw_win PRIVATE ${FW_WARNINGS})

# Generated resources: the program icon, drawn by a host tool.
set(FW_GEN ${CMAKE_BINARY_DIR}/gen)
file(MAKE_DIRECTORY ${FW_GEN})
add_custom_command(
  OUTPUT ${FW_GEN}/Fernwick.ico
  COMMAND ${FW_HOST_TOOLS_DIR}/icongen/icongen ${FW_GEN}/Fernwick.ico
  DEPENDS ${FW_HOST_TOOLS_DIR}/icongen/icongen
  COMMENT "Drawing the program icon")
include(cmake/Resources.cmake OPTIONAL)
set(FW_RESOURCE_FILE ${CMAKE_SOURCE_DIR}/src/app/res/Fernwick.rc)
file(GLOB FW_PREVIEW_FORMS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/preview/*.form)
set_source_files_properties(${FW_RESOURCE_FILE} PROPERTIES
  OBJECT_DEPENDS "${FW_GEN}/Fernwick.ico;${CMAKE_SOURCE_DIR}/src/app/res/Fernwick.manifest;${FW_EXTRA_RESOURCE_DEPENDS};${FW_PREVIEW_FORMS}")
add_library(fw_resources OBJECT ${FW_RESOURCE_FILE})
target_include_directories(fw_resources PRIVATE ${FW_GEN} ${CMAKE_SOURCE_DIR}/src/app/res
                                                ${CMAKE_SOURCE_DIR}/src/app/preview)

add_executable(Fernwick WIN32 ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
target_link_libraries(Fernwick PRIVATE fw_win fw_portable fw_resources ${FW_WIN_LIBS})
target_compile_options(Fernwick PRIVATE ${FW_WARNINGS})
set_target_properties(Fernwick PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# GoogleTest from Debian's sources, built by the cross compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# One executable per folder of tests/win: a Wine process costs about a second
# to start, so tests are grouped. Each suite carries the program's resources
# and the helpers in tests/win/common.
set(FW_WINE_TEST_LAUNCHER ${CMAKE_SOURCE_DIR}/scripts/lib/wine-test.sh)
file(GLOB FW_WIN_TEST_COMMON CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/common/*.cpp)
file(GLOB FW_WIN_TEST_GROUPS LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win/*)
foreach(group_dir IN LISTS FW_WIN_TEST_GROUPS)
  get_filename_component(group ${group_dir} NAME)
  if(NOT IS_DIRECTORY ${group_dir} OR group STREQUAL "common")
    continue()
  endif()
  file(GLOB_RECURSE group_sources CONFIGURE_DEPENDS ${group_dir}/*.cpp)
  if(NOT group_sources)
    continue()
  endif()
  add_executable(win_${group} ${group_sources} ${FW_WIN_TEST_COMMON})
  target_link_libraries(win_${group} PRIVATE fw_win fw_portable fw_resources gtest_main gmock
                                             ${FW_WIN_LIBS})
  target_include_directories(win_${group} PRIVATE ${CMAKE_SOURCE_DIR}/tests/win)
  target_compile_options(win_${group} PRIVATE ${FW_WARNINGS})
  set_target_properties(win_${group} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  # Run through a launcher that says why a program ended before its first test.
  add_test(NAME win_${group} COMMAND ${FW_WINE_TEST_LAUNCHER} $<TARGET_FILE:win_${group}>
                                     --gtest_color=no)
  set_tests_properties(win_${group} PROPERTIES TIMEOUT 300)
endforeach()

# Checks of the launcher and of Wine's start itself, with a test program
# whose start fails on request: a start that fails must fail its suite and
# say why, and a start must not depend on where the loader's heap landed.
add_executable(start_check ${CMAKE_SOURCE_DIR}/tests/launcher/StartCheck.cpp)
target_link_libraries(start_check PRIVATE gtest_main)
target_compile_options(start_check PRIVATE ${FW_WARNINGS})
set_target_properties(start_check PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
set(FW_EXPECT_FAILURE ${CMAKE_SOURCE_DIR}/tests/launcher/expect-failure.sh)
# Wine's crashed process ends with a non-zero code or, as its debugger lets it
# go, with 0: either way the start fails.
add_test(NAME wine_start_crash_fails_with_its_reason
         COMMAND ${FW_EXPECT_FAILURE}
                 "Unhandled page fault"
                 "start_check[.]exe (ended with exit code [0-9]+ .*before running any test|exited with code 0 but never reported its tests)"
                 -- ${FW_WINE_TEST_LAUNCHER} $<TARGET_FILE:start_check>)
add_test(NAME wine_start_silent_exit_fails
         COMMAND ${FW_EXPECT_FAILURE} "start_check[.]exe exited with code 0 but never reported its tests"
                 -- ${FW_WINE_TEST_LAUNCHER} $<TARGET_FILE:start_check>)
set_tests_properties(wine_start_crash_fails_with_its_reason PROPERTIES
                     ENVIRONMENT FW_START_FAILURE=crash TIMEOUT 120)
set_tests_properties(wine_start_silent_exit_fails PROPERTIES
                     ENVIRONMENT FW_START_FAILURE=silent TIMEOUT 120)

find_program(FW_HOST_CC NAMES cc gcc REQUIRED)
set(FW_HEAP_AT_SHARED_DATA ${CMAKE_BINARY_DIR}/tests/heap-at-shared-data.so)
add_custom_command(
  OUTPUT ${FW_HEAP_AT_SHARED_DATA}
  COMMAND ${FW_HOST_CC} -shared -fPIC -O2 -o ${FW_HEAP_AT_SHARED_DATA}
          ${CMAKE_SOURCE_DIR}/tests/launcher/HeapAtSharedData.c
  DEPENDS ${CMAKE_SOURCE_DIR}/tests/launcher/HeapAtSharedData.c
  COMMENT "Building the host library that moves a loader's heap")
add_custom_target(heap_at_shared_data ALL DEPENDS ${FW_HEAP_AT_SHARED_DATA})
add_test(NAME wine_start_survives_a_heap_at_shared_data
         COMMAND setarch -R env LD_PRELOAD=${FW_HEAP_AT_SHARED_DATA}
                 ${FW_WINE_TEST_LAUNCHER} $<TARGET_FILE:start_check>)
set_tests_properties(wine_start_survives_a_heap_at_shared_data PROPERTIES TIMEOUT 120)

# Windows benchmarks: built, run by hand under Wine.
file(GLOB FW_WIN_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/win/*.cpp)
foreach(src IN LISTS FW_WIN_BENCH_SOURCES)
  get_filename_component(name ${src} NAME_WE)
  add_executable(bench_${name} ${src})
  target_link_libraries(bench_${name} PRIVATE fw_win fw_portable ${FW_WIN_LIBS})
  set_target_properties(bench_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endforeach()
