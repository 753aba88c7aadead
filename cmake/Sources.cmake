# Where the sources are. Portable code (no <windows.h>) lives in the folders
# listed here and builds in every tree; all other .cpp files under src/ are
# Windows code and build only in the cross tree.

set(FW_PORTABLE_DIRS
  src/toolkit/portable
  src/shell/portable
  src/skin/archive
  src/skin/definition
  src/skin/imaging
  src/app/portable
)

set(FW_WARNINGS -Wall -Wextra -Wno-unused-parameter)

function(fw_glob_cpp out)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

fw_glob_cpp(FW_PORTABLE_SOURCES ${FW_PORTABLE_DIRS})

# The portable library is an object library so that self-registering objects
# (class and property registrations) are never dropped by the linker.
function(fw_add_portable_library)
  add_library(fw_portable OBJECT ${FW_PORTABLE_SOURCES} ${CMAKE_SOURCE_DIR}/src/Empty.cpp)
  target_include_directories(fw_portable PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_compile_options(fw_portable PRIVATE ${FW_WARNINGS})
endfunction()

# Host tools: every folder under tools/ with a CMakeLists.txt, whose main
# target is named after the folder. fw_tools builds them all.
function(fw_add_tools)
  add_custom_target(fw_tools)
  file(GLOB tool_lists CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*/CMakeLists.txt)
  foreach(list IN LISTS tool_lists)
    get_filename_component(dir ${list} DIRECTORY)
    get_filename_component(name ${dir} NAME)
    add_subdirectory(${dir} ${CMAKE_BINARY_DIR}/tools/${name})
    add_dependencies(fw_tools ${name})
  endforeach()
endfunction()
