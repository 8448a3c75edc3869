# veldor_add_qttest(name SOURCES ... DEPS ...): one Qt Test binary, run by CTest on Qt's
# offscreen platform so that no display is needed.
function(veldor_add_qttest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} veldor_test_support Qt6::Test Qt6::Widgets)
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  veldor_target_defaults(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=Asia/Tokyo;VELDOR_PROGRAM_DIR=${VELDOR_PROGRAM_DIR}"
    TIMEOUT 120)
endfunction()
