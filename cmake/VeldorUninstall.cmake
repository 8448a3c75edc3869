# The uninstall target: `cmake --build <build> --target uninstall` removes what
# `cmake --install <build>` put under its prefix, the settings and list files the programs
# wrote into the installed program folder, and the folders the install made, so that the
# prefix is left as it was. Per-user program folders (~/.local/share/veldor) stay.

# Before anything is installed, note which of the folders the install may make are there
# already (the first install to a prefix is what counts; a packaging install under
# DESTDIR notes nothing).
set(veldor_install_record ${CMAKE_BINARY_DIR}/install_folders.txt)
set(veldor_install_folders
  ${CMAKE_INSTALL_BINDIR} ${VELDOR_INSTALL_PROGRAM_DIR} ${CMAKE_INSTALL_MANDIR}/man1
  ${CMAKE_INSTALL_DATADIR}/applications ${CMAKE_INSTALL_DATADIR}/icons/hicolor
  ${CMAKE_INSTALL_DOCDIR})
install(CODE "
  set(record \"${veldor_install_record}\")
  set(prefix \"\${CMAKE_INSTALL_PREFIX}\")
  set(known)
  if(EXISTS \"\${record}\")
    file(STRINGS \"\${record}\" known LIMIT_COUNT 1)
  endif()
  if(\"\$ENV{DESTDIR}\" STREQUAL \"\" AND NOT known STREQUAL prefix)
    set(found \"\${prefix}\")
    foreach(folder ${veldor_install_folders})
      set(path \"\${prefix}\")
      string(REPLACE / \";\" parts \"\${folder}\")
      foreach(part IN LISTS parts)
        string(APPEND path /\${part})
        list(APPEND found \"\${path}\")
      endforeach()
      file(GLOB_RECURSE below LIST_DIRECTORIES true \"\${path}/*\")
      list(APPEND found \${below})
    endforeach()
    set(lines \"\${prefix}\")
    foreach(path IN LISTS found)
      if(IS_DIRECTORY \"\${path}\" AND NOT IS_SYMLINK \"\${path}\")
        string(APPEND lines \"\\n\${path}\")
      endif()
    endforeach()
    file(WRITE \"\${record}\" \"\${lines}\\n\")
  endif()
")
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
          -DPROGRAM_DIR=${VELDOR_INSTALL_PROGRAM_DIR} -P ${PROJECT_SOURCE_DIR}/cmake/uninstall.cmake
  COMMENT "Removing what the install put under its prefix"
  VERBATIM)
