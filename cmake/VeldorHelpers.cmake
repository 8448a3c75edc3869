# Shared build helpers: per-target warnings and sanitizers, and test registration.

function(veldor_target_defaults target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wformat=2 -Wnon-virtual-dtor -Woverloaded-virtual)
  if(VELDOR_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# veldor_expose_folder(target): the target's users, and the target itself, include its
# headers as "<folder>/<name>.h" (the folder relative to the source tree) and see no other
# folder of the tree: each library's include path is its own folder plus its dependencies'
# folders, so the compiler refuses an include of a folder the library does not depend on.
function(veldor_expose_folder target)
  file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# veldor_add_library(name SOURCES ... DEPS ...): one core folder, one static library.
function(veldor_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  veldor_expose_folder(${name})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  veldor_target_defaults(${name})
  if(VELDOR_SANITIZE)
    target_link_options(${name} INTERFACE -fsanitize=address,undefined)
  endif()
endfunction()

# veldor_discover_tests(target [ENVIRONMENT var=value...]): each GoogleTest case of the
# target becomes a CTest entry that passes only on GoogleTest's own verdict for it, so a
# test program that exits early with status 0 (a forked child returning into the runner,
# say) does not pass; a sanitizer report fails the entry even after that verdict.
function(veldor_discover_tests target)
  cmake_parse_arguments(ARG "" "" "ENVIRONMENT" ${ARGN})
  set(properties
    PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] 1 test\\."
    FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]|ERROR: [A-Za-z]+Sanitizer|runtime error: ")
  if(ARG_ENVIRONMENT)
    list(APPEND properties ENVIRONMENT "${ARG_ENVIRONMENT}")
  endif()
  # NO_PRETTY_VALUES: a parameter's bytes never become part of a test's name.
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES ${properties})
endfunction()

# veldor_add_gtest(name SOURCES ... DEPS ...): one GoogleTest binary; each case is a CTest entry.
function(veldor_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} veldor_gtest_main)
  veldor_target_defaults(${name})
  veldor_discover_tests(${name})
endfunction()
