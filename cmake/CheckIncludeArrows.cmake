# cmake -D ROOT=<tree> -P CheckIncludeArrows.cmake
# Holds every include of every source of the product against the graph of its parts
# (VarnelParts.cmake): a part may include itself and the parts it reaches along the arrows, and
# only the pattern part includes PCRE2. Every
# source of the library and the front ends also puts its names in namespace varnel. Fails with
# the file, the line and what is wrong.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/VarnelParts.cmake)

set(parts ${VARNEL_LIBRARY_PARTS} ${VARNEL_FRONT_ENDS})
foreach(part IN LISTS VARNEL_LIBRARY_PARTS)
    set(folder_${part} varnel/${part})
endforeach()
foreach(part IN LISTS VARNEL_FRONT_ENDS)
    set(folder_${part} ${part})
endforeach()

set(violations "")
foreach(part IN LISTS parts)
    varnel_reach(${part} allowed)
    file(GLOB_RECURSE sources "${ROOT}/${folder_${part}}/*.h" "${ROOT}/${folder_${part}}/*.cpp")
    foreach(source IN LISTS sources)
        file(RELATIVE_PATH relative "${ROOT}" "${source}")
        file(STRINGS "${source}" lines)
        set(number 0)
        foreach(line IN LISTS lines)
            math(EXPR number "${number} + 1")
            if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*[\"<](varnel/)?([A-Za-z_]+)/")
                set(included ${CMAKE_MATCH_2})
                if(included IN_LIST parts AND NOT included IN_LIST allowed)
                    string(APPEND violations
                        "${relative}:${number}: ${part}/ may not include ${included}/: ${line}\n")
                endif()
            elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<pcre2\\.h>"
                   AND NOT part STREQUAL VARNEL_PCRE2_PART)
                string(APPEND violations "${relative}:${number}: only ${VARNEL_PCRE2_PART}/ "
                    "runs PCRE2: ${line}\n")
            endif()
        endforeach()
        # Read whole: file(STRINGS) would split the line at its semicolon.
        file(READ "${source}" content)
        if(NOT content MATCHES "\n(namespace varnel {|using namespace varnel;)")
            string(APPEND violations "${relative}: not in namespace varnel\n")
        endif()
    endforeach()
endforeach()

if(violations)
    # NOTICE prints the lines as they are; an error message would be rewrapped.
    message(NOTICE "${violations}")
    message(FATAL_ERROR "Includes against the arrows between parts, or names outside namespace varnel, listed above.")
endif()
