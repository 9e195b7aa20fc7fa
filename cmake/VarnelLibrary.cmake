include(GNUInstallDirs)

# varnel_add_library(<part> SOURCES ... HEADERS ... LINKS ...)
# One static library per folder of the library, target varnel_<part>, alias varnel::<part>. Its
# headers install under include/varnel/<part>/; they include each other from that root
# ("core/ReplaceRegex.h"), so the installed target puts include/varnel on the include path
# beside include/, where users write <varnel/core/MakeReplaceRegex.h>. LINKS are the part's
# public dependencies: keep them to the arrows that the include-arrows test holds.
function(varnel_add_library part)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;HEADERS;LINKS")
    set(target varnel_${part})
    add_library(${target} STATIC ${ARG_SOURCES})
    add_library(varnel::${part} ALIAS ${target})
    target_sources(${target} PUBLIC
        FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES ${ARG_HEADERS})
    target_include_directories(${target} PUBLIC
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
    target_link_libraries(${target} PUBLIC ${ARG_LINKS})
    target_compile_features(${target} PUBLIC cxx_std_20)
    set_target_properties(${target} PROPERTIES EXPORT_NAME ${part})
    varnel_set_warnings(${target})
    install(TARGETS ${target} EXPORT Varnel_${part}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/varnel)
    install(EXPORT Varnel_${part} NAMESPACE varnel::
        FILE Varnel_${part}Targets.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Varnel)
endfunction()
