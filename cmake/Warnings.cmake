# Warnings are set per target. They become errors only in the project's own presets
# (VARNEL_WERROR), never for someone who builds Varnel as a dependency.
option(VARNEL_WERROR "Treat compiler warnings as errors" OFF)

function(varnel_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(VARNEL_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    # Under the sanitizers GCC 12 reports "may be used uninitialized" inside <regex> itself.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_FLAGS MATCHES "-fsanitize")
        target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
    endif()
endfunction()
