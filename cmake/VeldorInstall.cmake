# What an install adds around the program folder: a link in <prefix>/bin for each program,
# so that a user can type its name (a program resolves the link and still finds its
# folder), the manual pages, and the Debian package that cpack builds from the same install.

# veldor_link_program(<path of the program inside the program folder>): a relative link,
# made in the build tree and installed as a link, so that DESTDIR and the install manifest
# (what an uninstall removes) hold it like any other file.
function(veldor_link_program program)
  get_filename_component(name ${program} NAME)
  file(RELATIVE_PATH target /prefix/${CMAKE_INSTALL_BINDIR}
       /prefix/${VELDOR_INSTALL_PROGRAM_DIR}/${program})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/bin-links)
  file(CREATE_LINK ${target} ${CMAKE_BINARY_DIR}/bin-links/${name} SYMBOLIC)
  install(FILES ${CMAKE_BINARY_DIR}/bin-links/${name} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

veldor_link_program(veldor-cli)
veldor_link_program(template/tovrin-cli)
if(VELDOR_GUI)
  veldor_link_program(veldor)
  veldor_link_program(template/tovrin)
endif()
# The manual pages with the version filled in.
foreach(page veldor-cli.1 tovrin-cli.1)
  configure_file(${PROJECT_SOURCE_DIR}/data/man/${page} ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/man/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# cpack -G DEB: veldor_<version>_amd64.deb, installing under /usr.
set(CPACK_PACKAGE_NAME veldor)
set(CPACK_PACKAGE_VENDOR "VELDOR")
set(CPACK_PACKAGE_CONTACT "VELDOR <veldor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "packet charge listings of folders, and a template checker")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)  # the prefix when CPack installs with DESTDIR
set(CPACK_SET_DESTDIR ON)  # the desktop entries name the programs under /usr, not the staging
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, xdg-utils")
if(VELDOR_GUI)
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         ", libqt6core6 (>= 6.2), libqt6gui6 (>= 6.2), libqt6widgets6 (>= 6.2), fonts-ipafont-gothic")
endif()
include(CPack)
