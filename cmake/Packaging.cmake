# Installation and the Debian packages, split as Debian does:
#   libvks       the module alone, /usr/lib/vks/libvks.so, as a terminal gets it
#   vks-hostsim  the replacement host libraries, their simulator core and
#                catalogue in their own folder (/usr/lib/vks-hostsim), vks-host,
#                its manual page and the examples
#   libvks-dev   the headers, the CMake package and the pkg-config files
# The module never finds the simulated libraries by itself: its run path is
# its own folder, which holds none of them. vks-host opens them by absolute
# path from the simulator's folder before it loads the module, and finds the
# simulator through an absolute run path (never relative to its own binary,
# which a run may execute from a copy in a private folder).
# Debian packages only: a build without the module or vks-host (no Qt, or a
# Windows build) installs nothing.
if(WIN32 OR NOT TARGET vks OR NOT TARGET vks-host)
  return()
endif()
include(CMakePackageConfigHelpers)

# Installed paths are compiled into vks-host's run path, so the prefix the
# package installs into is the one configured.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX /usr CACHE PATH "Install prefix (the Debian packages install here too)" FORCE)
endif()
include(GNUInstallDirs)

set(VKS_INSTALL_LIBDIR lib/vks)
set(VKS_INSTALL_HOSTSIMDIR lib/vks-hostsim)
set(VKS_INSTALL_CMAKEDIR lib/cmake/vks)
# Multiarch, so a cross build's pkg-config finds the target's files.
set(VKS_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
set(VKS_HOST_LIBRARIES Kovar Rotlib Tavlib Zelnor Quenta)

set_target_properties(vks vkshostsim ${VKS_HOST_LIBRARIES} PROPERTIES INSTALL_RPATH "$ORIGIN")
set_target_properties(vks-host PROPERTIES
  INSTALL_RPATH "${CMAKE_INSTALL_PREFIX}/${VKS_INSTALL_HOSTSIMDIR}"
  BUILD_RPATH "${CMAKE_LIBRARY_OUTPUT_DIRECTORY}" BUILD_RPATH_USE_ORIGIN OFF)

set(VKS_PACKAGE_MAINTAINER "VKS maintainers <vks-maintainers@example.org>" CACHE STRING
  "Maintainer of the Debian packages (name <address>)")
set(VKS_PACKAGE_DATE "Mon, 07 Dec 2026 00:00:00 +0000" CACHE STRING
  "Date of this version's changelog entry (RFC 2822)")

# Per package: copyright and changelog, compressed as Debian wants
# (gzip -9n: no name, no time stamp, so the package is reproducible).
set(VKS_PACKAGE_FILES ${CMAKE_BINARY_DIR}/package-files)
configure_file(cmake/changelog.in ${VKS_PACKAGE_FILES}/changelog @ONLY)
add_custom_command(OUTPUT ${VKS_PACKAGE_FILES}/changelog.gz ${VKS_PACKAGE_FILES}/vks-host.1.gz
  COMMAND gzip -9nc ${VKS_PACKAGE_FILES}/changelog > ${VKS_PACKAGE_FILES}/changelog.gz
  COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/hostsim/vks-host/vks-host.1 > ${VKS_PACKAGE_FILES}/vks-host.1.gz
  DEPENDS ${VKS_PACKAGE_FILES}/changelog ${PROJECT_SOURCE_DIR}/hostsim/vks-host/vks-host.1
  COMMENT "Compressing the changelog and the manual page")
add_custom_target(vks_package_files ALL DEPENDS ${VKS_PACKAGE_FILES}/changelog.gz ${VKS_PACKAGE_FILES}/vks-host.1.gz)

foreach(component libvks vks-hostsim libvks-dev)
  install(FILES cmake/copyright ${VKS_PACKAGE_FILES}/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${component} COMPONENT ${component})
endforeach()

# libvks
install(TARGETS vks LIBRARY DESTINATION ${VKS_INSTALL_LIBDIR} COMPONENT libvks)
# The module looks for its platform check beside itself.
install(TARGETS vks-platform-probe RUNTIME DESTINATION ${VKS_INSTALL_LIBDIR} COMPONENT libvks)

# vks-hostsim
install(TARGETS vkshostsim ${VKS_HOST_LIBRARIES} LIBRARY DESTINATION ${VKS_INSTALL_HOSTSIMDIR} COMPONENT vks-hostsim)
install(FILES hostsim/catalogue/mensagens.tsv DESTINATION ${VKS_INSTALL_HOSTSIMDIR} COMPONENT vks-hostsim)
install(TARGETS vks-host RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT vks-hostsim)
install(FILES ${VKS_PACKAGE_FILES}/vks-host.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT vks-hostsim)
install(FILES hostsim/README.md docs/scenarios.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/vks-hostsim COMPONENT vks-hostsim)
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/vks-hostsim/examples COMPONENT vks-hostsim)

# libvks-dev: one include spelling, <vks/vks.h>, <vks/host_abi.h>, <vks/vkssim.h>.
install(FILES include/vks/vks.h include/vks/host_abi.h include/vks/vkssim.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vks COMPONENT libvks-dev)
install(FILES docs/integration.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/libvks-dev COMPONENT libvks-dev)
configure_package_config_file(cmake/vksConfig.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/vksConfig.cmake
  INSTALL_DESTINATION ${VKS_INSTALL_CMAKEDIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/vksConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vksConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/vksConfigVersion.cmake
  DESTINATION ${VKS_INSTALL_CMAKEDIR} COMPONENT libvks-dev)
foreach(pc vks vks-hostsim)
  configure_file(cmake/${pc}.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc DESTINATION ${VKS_INSTALL_PKGCONFIGDIR} COMPONENT libvks-dev)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL libvks vks-hostsim libvks-dev)
set(CPACK_PACKAGE_NAME vks)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VKS_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Debug information stays in the build (libvks.so.debug for the module).
set(CPACK_STRIP_FILES TRUE)
set(VKS_QT_DEPENDS "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4)")
set(VKS_SAME_VERSION "(= ${PROJECT_VERSION})")

# Dependencies are named by hand: dpkg-shlibdeps would read every library
# again on each build.
set(CPACK_DEBIAN_LIBVKS_PACKAGE_NAME libvks)
set(CPACK_DEBIAN_LIBVKS_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIBVKS_PACKAGE_DEPENDS "${VKS_QT_DEPENDS}")
set(CPACK_COMPONENT_LIBVKS_DESCRIPTION "Capture screens of the VKS authorizer for an EFT client
The VKS module is a plug-in library of an electronic-funds-transfer client
on a shop's point-of-sale terminal. The client loads it, fills its field
store with the current transaction and calls ExecutaGenerico; the module
walks the cashier through the capture screens of one VKS transaction,
validates what is typed, and hands the captured fields and a request layout
back to the client.

This package holds the module alone, /usr/lib/vks/libvks.so. It needs the
client's five host libraries (libKovar.so, libRotlib.so, libTavlib.so,
libZelnor.so, libQuenta.so), which the client loads before the module; for
simulated ones, see the vks-hostsim package.")

set(CPACK_DEBIAN_VKS-HOSTSIM_PACKAGE_NAME vks-hostsim)
set(CPACK_DEBIAN_VKS-HOSTSIM_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_VKS-HOSTSIM_PACKAGE_DEPENDS "libvks ${VKS_SAME_VERSION}, ${VKS_QT_DEPENDS}")
set(CPACK_COMPONENT_VKS-HOSTSIM_DESCRIPTION "Simulated EFT client and host libraries for the VKS module
Replacement host libraries with the functions and results of an EFT
client's own (libKovar.so, libRotlib.so, libTavlib.so, libZelnor.so,
libQuenta.so), the simulator core behind them and its message catalogue,
all in /usr/lib/vks-hostsim, where nothing else finds them.

vks-host loads them and then the VKS module as a real client does, and runs
scenarios (the field store, the cashier's keys, what the host functions
return) in its client window or from the command line, checking what the
module hands back. Example scenarios are in
/usr/share/doc/vks-hostsim/examples.")

set(CPACK_DEBIAN_LIBVKS-DEV_PACKAGE_NAME libvks-dev)
set(CPACK_DEBIAN_LIBVKS-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_LIBVKS-DEV_PACKAGE_DEPENDS "libvks ${VKS_SAME_VERSION}, vks-hostsim ${VKS_SAME_VERSION}")
set(CPACK_COMPONENT_LIBVKS-DEV_DESCRIPTION "Headers and build files for hosts of the VKS module
What an EFT client's developer builds against: the module's exports and
the host functions it calls (<vks/vks.h>, <vks/host_abi.h>), the
simulator's C API (<vks/vkssim.h>), the CMake package (find_package(vks))
and the pkg-config files vks and vks-hostsim.

The integration guide is /usr/share/doc/libvks-dev/integration.md.")

include(CPack)
