# `cmake --install` and the Debian package. Under the prefix:
#   lib/qx71/            the programs and everything they read (InstallDir)
#   bin/qx71, bin/qx71ctl  relative links into it (the programs find InstallDir through
#                          /proc/self/exe, which resolves the link)
#   lib/udev/rules.d/, share/applications/, share/metainfo/, share/icons/, share/man/man1/
#                          (installed by data/)
set(QX71_LIB_DIR lib/qx71)

# The programs, looked for once the whole project is read, so the window program is picked up
# wherever its folder is added.
function(qx71_install_programs)
  foreach(program qx71ctl qx71)
    if(TARGET ${program})
      install(TARGETS ${program} RUNTIME DESTINATION ${QX71_LIB_DIR})
    endif()
  endforeach()
  # The sound module that the window program opens from InstallDir at its first sound.
  if(TARGET qx71sound)
    install(TARGETS qx71sound LIBRARY DESTINATION ${QX71_LIB_DIR})
  endif()
  # The links, after the programs they point at.
  install(CODE [[
    set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
    file(MAKE_DIRECTORY "${prefix}/bin")
    foreach(program qx71 qx71ctl)
      if(EXISTS "${prefix}/lib/qx71/${program}")
        message(STATUS "Installing: ${prefix}/bin/${program} -> ../lib/qx71/${program}")
        file(CREATE_LINK "../lib/qx71/${program}" "${prefix}/bin/${program}" SYMBOLIC)
      endif()
    endforeach()
  ]])
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL qx71_install_programs)

# Whatever the build put into InstallDir is installed, so data that generators add later comes
# along. Data files all have an extension; the build's programs (tests, benchmarks, the two
# above) have none and stay out, and the sound module is installed above as a library.
install(DIRECTORY ${QX71_INSTALL_DIR}/ DESTINATION ${QX71_LIB_DIR} FILES_MATCHING PATTERN "*.*"
        PATTERN "*.so" EXCLUDE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qx71)
set(CPACK_PACKAGE_VENDOR Tolvi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration program of the QX71 gaming mouse")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "QX71 maintainers <qx71@example.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QX71_HOMEPAGE_URL})
# The long description's lines; CPack puts the summary above them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Assigns the mouse's buttons, DPI levels, report rate, pointer settings,
lighting, five profiles and macros, shows usage statistics and checks for
new firmware. The window program qx71 and the command-line tool qx71ctl
work on the same settings. A udev rule gives the user at the seat access
to the mouse, so neither needs root.")
# Libraries from dpkg-shlibdeps (Qt Multimedia through the sound module); libcurl, which the
# downloader opens at its first download (dpkg-shlibdeps cannot see it); the fonts the window
# draws its texts with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcurl4 (>= 7.85.0), fonts-dejavu-core, fonts-wqy-microhei")
# GIO with GNOME's schema and libdbus are opened where the desktop keeps the pointer settings
# (GNOME, KDE Plasma); without them the X server's settings are set, so they are only
# recommended, and no desktop is. The portal's platform theme gives the desktop's own file
# dialogs; without it Qt's own are shown.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "libglib2.0-0, gsettings-desktop-schemas, libdbus-1-3, qt6-xdgdesktopportal-platformtheme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/deb/postinst
                                       ${CMAKE_BINARY_DIR}/deb/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
