# The installed package: find_package(Varnel 1.0 COMPONENTS ...) and pkg-config's varnel.pc.
include(CMakePackageConfigHelpers)

# The graph, as the package config reads it: each part with every part it reaches.
set(VARNEL_PACKAGE_GRAPH "set(_varnel_order ${VARNEL_LIBRARY_PARTS})\n")
string(APPEND VARNEL_PACKAGE_GRAPH "set(_varnel_qt_parts ${VARNEL_QT_PARTS})\n")
foreach(part IN LISTS VARNEL_LIBRARY_PARTS)
    varnel_reach(${part} reach)
    string(APPEND VARNEL_PACKAGE_GRAPH "set(_varnel_needs_${part} ${reach})\n")
endforeach()
# pkg-config's libraries: the Qt-free parts, each before the parts it links.
set(VARNEL_PC_LIBS "")
foreach(part IN LISTS VARNEL_LIBRARY_PARTS)
    if(NOT part IN_LIST VARNEL_QT_PARTS)
        string(PREPEND VARNEL_PC_LIBS " -lvarnel_${part}")
    endif()
endforeach()

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
