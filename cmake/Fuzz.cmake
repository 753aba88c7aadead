# libFuzzer tree (clang): one target per tests/fuzz/*.cpp. Under ctest each
# target runs for FW_FUZZ_SECONDS from its seed corpus tests/fuzz/corpus/<name>
# when that folder exists; new inputs go to a scratch folder in the build tree.

add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)

fw_add_portable_library()

file(GLOB FW_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*.cpp)
foreach(src IN LISTS FW_FUZZ_SOURCES)
  get_filename_component(name ${src} NAME_WE)
  add_executable(fuzz_${name} ${src})
  target_link_libraries(fuzz_${name} PRIVATE fw_portable)
  target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
  set(scratch ${CMAKE_BINARY_DIR}/corpus/${name})
  file(MAKE_DIRECTORY ${scratch})
  set(seeds)
  if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
    set(seeds ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
  endif()
  add_test(NAME fuzz_${name}
           COMMAND fuzz_${name} -max_total_time=${FW_FUZZ_SECONDS} -rss_limit_mb=2048
                   -timeout=10 ${scratch} ${seeds})
endforeach()
