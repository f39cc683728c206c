# A Debian package of the installed program: `cpack -G DEB` in a build folder
# makes selen_<version>_<arch>.deb from the install rules.

set(CPACK_PACKAGE_NAME selen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Selen developers")
set(CPACK_PACKAGE_CONTACT "Selen developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for IOTA lunar occultation reports")
set(CPACK_PACKAGE_DESCRIPTION "\
Selen is a desktop editor with which an amateur astronomer composes a report
of timed lunar and planetary occultations in the IOTA lunar occultation report
format (LOR files, CP932 text with fixed columns). It comes with selen-report,
a command-line tool that checks and normalizes many reports at once.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
if(NOT CPACK_GENERATOR)
  set(CPACK_GENERATOR DEB)
endif()

set(CPACK_DEBIAN_PACKAGE_NAME selen)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Selen developers")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Libraries: computed by dpkg-shlibdeps where it is there (it comes with
# dpkg-dev; CPack also needs `file` for it), otherwise named here. What the
# program loads without linking to it (the Japanese font, Qt's Japanese texts)
# is always named.
find_program(SELEN_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(SELEN_FILE_UTILITY file)
mark_as_advanced(SELEN_DPKG_SHLIBDEPS SELEN_FILE_UTILITY)
set(selen_depends "")
if(SELEN_DPKG_SHLIBDEPS AND SELEN_FILE_UTILITY)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
  list(APPEND selen_depends "libc6" "libstdc++6")
  if(SELEN_BUILD_GUI)
    list(APPEND selen_depends "libqt6widgets6" "libqt6gui6" "libqt6core6")
  endif()
endif()
if(SELEN_BUILD_GUI)
  list(APPEND selen_depends "fonts-ipafont-gothic" "qt6-translations-l10n")
endif()
list(JOIN selen_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

include(CPack)
