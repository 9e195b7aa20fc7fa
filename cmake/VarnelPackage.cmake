# The installed package: find_package(Varnel 1.0 COMPONENTS ...) and pkg-config's varnel.pc.
include(CMakePackageConfigHelpers)

set(VARNEL_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Varnel)
configure_package_config_file(cmake/VarnelConfig.cmake.in
    ${PROJECT_BINARY_DIR}/VarnelConfig.cmake
    INSTALL_DESTINATION ${VARNEL_PACKAGE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VarnelConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VarnelConfig.cmake ${PROJECT_BINARY_DIR}/VarnelConfigVersion.cmake
    DESTINATION ${VARNEL_PACKAGE_DIR})

# The .pc file finds its prefix from where it lies, so that the installed tree can move.
file(RELATIVE_PATH VARNEL_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(cmake/varnel.pc.in ${PROJECT_BINARY_DIR}/varnel.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/varnel.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
