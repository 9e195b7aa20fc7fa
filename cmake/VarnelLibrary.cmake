include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/VarnelParts.cmake)

# varnel_add_library(<part> SOURCES ... PUBLIC_HEADERS ... HEADERS ... [LINKS ...])
# One static library per folder varnel/<part>, target varnel_<part>, alias varnel::<part>, linked
# to the parts the graph (VarnelParts.cmake) gives it and to the outside LINKS. Headers are
# included from the root that holds varnel/ ("varnel/core/MakeReplaceRegex.h"), in the tree and
# installed alike; only PUBLIC_HEADERS are installed, under include/varnel/<part>/. HEADERS are
# the part's own.
function(varnel_add_library part)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;PUBLIC_HEADERS;HEADERS;LINKS")
    set(target varnel_${part})
    add_library(${target} STATIC ${ARG_SOURCES} ${ARG_HEADERS})
    add_library(varnel::${part} ALIAS ${target})
    target_sources(${target} PUBLIC
        FILE_SET HEADERS BASE_DIRS ${PROJECT_SOURCE_DIR} FILES ${ARG_PUBLIC_HEADERS})
    target_include_directories(${target} PUBLIC
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
    list(TRANSFORM VARNEL_LINKS_${part} PREPEND varnel:: OUTPUT_VARIABLE parts)
    target_link_libraries(${target} PUBLIC ${parts} ${ARG_LINKS})
    target_compile_features(${target} PUBLIC cxx_std_20)
    set_target_properties(${target} PROPERTIES EXPORT_NAME ${part})
    varnel_set_warnings(${target})
    install(TARGETS ${target} EXPORT Varnel_${part}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
    install(EXPORT Varnel_${part} NAMESPACE varnel::
        FILE Varnel_${part}Targets.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Varnel)
    list(TRANSFORM ARG_PUBLIC_HEADERS PREPEND varnel/${part}/ OUTPUT_VARIABLE installed)
    set_property(GLOBAL APPEND PROPERTY VARNEL_PUBLIC_HEADERS ${installed})
endfunction()

# varnel_link_front_end(<target> <front end> [outside links...]): links a front end's target to
# the parts the graph gives it.
function(varnel_link_front_end target front_end)
    list(TRANSFORM VARNEL_LINKS_${front_end} PREPEND varnel:: OUTPUT_VARIABLE parts)
    target_link_libraries(${target} PUBLIC ${parts} ${ARGN})
endfunction()
