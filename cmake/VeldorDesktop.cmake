# Desktop integration of the Qt programs: a freedesktop entry that starts the installed
# executable, and the program's icon in the hicolor theme.

set(VELDOR_ICON_SIZES 16 32 48 64 128 256)

# veldor_install_desktop_entry(ENTRY <file.desktop.in> PROGRAM <path below the prefix>
#                              ICON <name> ICON_DIR <folder with ICON-<size>.png>)
# The entry is configured when it is installed, so that Exec names the executable under the
# prefix actually installed to (cmake --install --prefix ...); @VELDOR_INSTALLED_PROGRAM@ is
# that path.
function(veldor_install_desktop_entry)
  cmake_parse_arguments(ARG "" "ENTRY;PROGRAM;ICON;ICON_DIR" "" ${ARGN})
  get_filename_component(entry_name ${ARG_ENTRY} NAME_WLE)
  set(staged ${CMAKE_CURRENT_BINARY_DIR}/installed/${entry_name})
  install(CODE "
    set(VELDOR_INSTALLED_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${ARG_PROGRAM}\")
    configure_file(\"${ARG_ENTRY}\" \"${staged}\" @ONLY)
    file(INSTALL \"${staged}\"
         DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
  ")
  foreach(size IN LISTS VELDOR_ICON_SIZES)
    install(FILES ${ARG_ICON_DIR}/${ARG_ICON}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${ARG_ICON}.png)
  endforeach()
endfunction()

# veldor_add_desktop_program(<name> LIBRARY <target> SOURCES ... LINK ...
#                            OUTPUT_DIR <dir> INSTALL_DIR <dir below the prefix>)
# A desktop program: its dialogs as the static library LIBRARY (so that the tests drive the
# same classes as the program) with the icons icons/<name>-<size>.png as resources under
# ":/<name>", the executable <name> from main.cpp, and its installation with the desktop
# entry <name>.desktop.in.
function(veldor_add_desktop_program name)
  cmake_parse_arguments(ARG "" "LIBRARY;OUTPUT_DIR;INSTALL_DIR" "SOURCES;LINK" ${ARGN})
  add_library(${ARG_LIBRARY} STATIC ${ARG_SOURCES})
  veldor_expose_folder(${ARG_LIBRARY})
  target_link_libraries(${ARG_LIBRARY} PUBLIC ${ARG_LINK} veldor_qt_common Qt6::Widgets)
  set_target_properties(${ARG_LIBRARY} PROPERTIES AUTOMOC ON)
  veldor_target_defaults(${ARG_LIBRARY})
  set(icon_files)
  foreach(size IN LISTS VELDOR_ICON_SIZES)
    list(APPEND icon_files icons/${name}-${size}.png)
  endforeach()
  qt_add_resources(${ARG_LIBRARY} ${name}_icons PREFIX /${name} FILES ${icon_files})

  add_executable(${name} main.cpp)
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARY})
  veldor_target_defaults(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ARG_OUTPUT_DIR})
  install(TARGETS ${name} RUNTIME DESTINATION ${ARG_INSTALL_DIR})
  veldor_install_desktop_entry(ENTRY ${CMAKE_CURRENT_SOURCE_DIR}/${name}.desktop.in
    PROGRAM ${ARG_INSTALL_DIR}/${name} ICON ${name} ICON_DIR ${CMAKE_CURRENT_SOURCE_DIR}/icons)
endfunction()
