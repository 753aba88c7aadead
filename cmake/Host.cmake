# Native tree: portable code, its GoogleTest suite, host tools and benchmarks.

if(FW_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

find_package(GTest REQUIRED)
include(GoogleTest)

fw_add_portable_library()

file(GLOB_RECURSE FW_HOST_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/host/*.cpp)
add_executable(host_tests ${FW_HOST_TEST_SOURCES})
target_link_libraries(host_tests PRIVATE fw_portable GTest::gtest_main GTest::gmock)
target_include_directories(host_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/host)
target_compile_options(host_tests PRIVATE ${FW_WARNINGS})
target_compile_definitions(host_tests PRIVATE FW_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
gtest_discover_tests(host_tests DISCOVERY_TIMEOUT 60
                     PROPERTIES ENVIRONMENT "FW_SOURCE_DIR=${CMAKE_SOURCE_DIR}")

if(NOT FW_SANITIZE)
  # The scripts' claiming of Wine prefixes: plain shell, no Wine needed.
  add_test(NAME scripts_prefix_claims COMMAND ${CMAKE_SOURCE_DIR}/tests/scripts/PrefixClaimTest.sh)
  set_tests_properties(scripts_prefix_claims PROPERTIES TIMEOUT 60)
  fw_add_tools()
  # Benchmarks report figures; they are built but never run as tests.
  find_package(benchmark QUIET)
  file(GLOB FW_HOST_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/bench/host/*.cpp)
  foreach(src IN LISTS FW_HOST_BENCH_SOURCES)
    get_filename_component(name ${src} NAME_WE)
    add_executable(bench_${name} ${src})
    target_link_libraries(bench_${name} PRIVATE fw_portable)
    if(benchmark_FOUND)
      target_link_libraries(bench_${name} PRIVATE benchmark::benchmark)
    endif()
  endforeach()
endif()
