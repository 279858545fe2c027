# Installation and the Debian package. Everything the module needs at run
# time sits in one folder, lib/vks, as on a terminal: the module, the five
# replacement host libraries, the simulator core and its message catalogue.
# vks-host finds the module at ../lib/vks/libvks.so beside itself.
include(CMakePackageConfigHelpers)

set(VKS_INSTALL_LIBDIR lib/vks)
set(VKS_INSTALL_CMAKEDIR lib/cmake/vks)

set(VKS_HOST_LIBRARIES Kovar Rotlib Tavlib Zelnor Quenta)
set_target_properties(vks vkshostsim ${VKS_HOST_LIBRARIES} PROPERTIES INSTALL_RPATH "$ORIGIN")
set_target_properties(vks-host PROPERTIES INSTALL_RPATH "$ORIGIN/../${VKS_INSTALL_LIBDIR}")

install(TARGETS vks vkshostsim ${VKS_HOST_LIBRARIES} LIBRARY DESTINATION ${VKS_INSTALL_LIBDIR})
install(TARGETS vks-host RUNTIME DESTINATION bin)
install(FILES hostsim/catalogue/mensagens.tsv DESTINATION ${VKS_INSTALL_LIBDIR})
install(FILES include/vks/vks.h include/vks/host_abi.h hostsim/core/vkssim.h DESTINATION include/vks)

configure_package_config_file(cmake/vksConfig.cmake.in ${CMAKE_CURRENT_BINARY_DIR}/vksConfig.cmake
  INSTALL_DESTINATION ${VKS_INSTALL_CMAKEDIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/vksConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vksConfig.cmake ${CMAKE_CURRENT_BINARY_DIR}/vksConfigVersion.cmake
  DESTINATION ${VKS_INSTALL_CMAKEDIR})

foreach(pc vks vks-hostsim)
  configure_file(cmake/${pc}.pc.in ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${pc}.pc DESTINATION lib/pkgconfig)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vks)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "VKS module maintainers <vks@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "VKS module for EFT clients, with simulated host libraries and vks-host")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debug information stays in the build (libvks.so.debug for the module).
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
# Named by hand: dpkg-shlibdeps would read every library again on each build.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4)")
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
