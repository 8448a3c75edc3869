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
