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
# The manual pages with the version filled in, and the changelog, compressed as Debian
# installs them (gzip -9n: no name or time inside, so the same sources give the same bytes).
set(veldor_compressed)
foreach(page man/veldor-cli.1 man/tovrin-cli.1 doc/changelog)
  set(source ${PROJECT_SOURCE_DIR}/data/${page})
  if(page STREQUAL doc/changelog)
    set(source ${source}.in)
  endif()
  configure_file(${source} ${CMAKE_BINARY_DIR}/${page} @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${page}.gz
    COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/${page}
    DEPENDS ${CMAKE_BINARY_DIR}/${page})
  list(APPEND veldor_compressed ${CMAKE_BINARY_DIR}/${page}.gz)
endforeach()
add_custom_target(veldor_compressed_docs ALL DEPENDS ${veldor_compressed})
install(FILES ${CMAKE_BINARY_DIR}/man/veldor-cli.1.gz ${CMAKE_BINARY_DIR}/man/tovrin-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/doc/changelog.gz ${PROJECT_SOURCE_DIR}/data/doc/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# cpack -G DEB: veldor_<version>_amd64.deb, installing under /usr.
set(CPACK_PACKAGE_NAME veldor)
set(CPACK_PACKAGE_VENDOR "VELDOR")
set(CPACK_PACKAGE_CONTACT "VELDOR developers <veldor@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "packet charge listings of folders, and a template checker")
# The extended description; CPack puts the summary above it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "VELDOR lists every file directly in a folder (by default the
pictures ending in .jpg, .gif and .png) with its size, the 128-byte packets it
takes and their charge in yen at a Japanese carrier's rate (docomo, Vodafone or
au), its dates and an extended text, and writes the list into the folder as a
fixed-column text file, a CSV table or HTML pages built from templates, all in
Shift_JIS. It comes as a Qt desktop program (veldor) and a terminal program
(veldor-cli).
.
tovrin and tovrin-cli check the HTML templates and report every grammar error.")
set(CPACK_STRIP_FILES ON)
# Purging the package also removes the settings and lists that the programs wrote into
# the program folder when run as root.
configure_file(${PROJECT_SOURCE_DIR}/data/doc/postrm.in ${CMAKE_BINARY_DIR}/deb/postrm @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/deb/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
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
