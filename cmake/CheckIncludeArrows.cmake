# cmake -D ROOT=<tree> -P CheckIncludeArrows.cmake
# Holds every include of every source of the product against the arrows between its parts: a
# part may include itself and the parts it depends on, directly or through another part. Fails
# with the file, the line and the forbidden include.
cmake_minimum_required(VERSION 3.25)

# Each part and the parts it links directly; keep in sync with the folders' CMakeLists.txt.
set(links_common "")
set(links_languages common)
set(links_core languages common)
set(links_suggestions languages common)
set(links_replace languages common)
set(links_learning core replace languages common)
set(links_settings languages)
set(links_app core suggestions replace settings languages common)
set(links_cli core suggestions replace settings)
set(parts common languages core suggestions replace learning settings app cli)

# The parts each part may include: itself and everything it reaches along the arrows.
foreach(part IN LISTS parts)
    set(reach ${part})
    set(queue ${links_${part}})
    while(queue)
        list(POP_FRONT queue next)
        if(NOT next IN_LIST reach)
            list(APPEND reach ${next})
            list(APPEND queue ${links_${next}})
        endif()
    endwhile()
    set(allowed_${part} ${reach})
endforeach()

set(violations "")
foreach(part IN LISTS parts)
    file(GLOB_RECURSE sources "${ROOT}/${part}/*.h" "${ROOT}/${part}/*.cpp")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" lines)
        set(number 0)
        foreach(line IN LISTS lines)
            math(EXPR number "${number} + 1")
            if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*[\"<](varnel/)?([A-Za-z_]+)/")
                set(included ${CMAKE_MATCH_2})
                if(included IN_LIST parts AND NOT included IN_LIST allowed_${part})
                    file(RELATIVE_PATH relative "${ROOT}" "${source}")
                    string(APPEND violations
                        "${relative}:${number}: ${part}/ may not include ${included}/: ${line}\n")
                endif()
            endif()
        endforeach()
    endforeach()
endforeach()

if(violations)
    # NOTICE prints the lines as they are; an error message would be rewrapped.
    message(NOTICE "${violations}")
    message(FATAL_ERROR "Includes against the arrows between parts, listed above.")
endif()
