# veldor_add_qt_test(name SOURCES ... DEPS ...): one GoogleTest binary of Qt tests with the
# shared QApplication main; each case is a CTest entry run on Qt's offscreen platform.
function(veldor_add_qt_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} veldor_qt_common veldor_test_support
    Qt6::Test Qt6::Widgets)
  veldor_target_defaults(${name})
  veldor_discover_tests(${name} ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TZ=Asia/Tokyo")
endfunction()
