# cmake -D BUILD_DIR=... -D WORK_DIR=... -D EXAMPLE_DIR=... -D MODE=cmake|pkg-config|headers
#       -D CXX=... -D CXX_FLAGS=... -D LINKER_FLAGS=... [-D PUBLIC_HEADERS=...]
#       -P ConsumeInstalled.cmake
# Installs the build to a fresh prefix, builds the example against it as a user would (through
# find_package, from a C++17 project, or through pkg-config), runs it and checks what it prints.
# MODE headers instead checks that the installed headers are the public ones and that each
# compiles alone with only the prefix's include/ on the path.
cmake_minimum_required(VERSION 3.25)

function(run)
    execute_process(COMMAND ${ARGV} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "Failed (${status}): ${ARGV}\n${out}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK_DIR}/prefix)
file(REMOVE_RECURSE ${WORK_DIR})
run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

if(MODE STREQUAL "headers")
    file(GLOB_RECURSE installed RELATIVE ${prefix}/include ${prefix}/include/*)
    list(SORT installed)
    list(SORT PUBLIC_HEADERS)
    if(NOT installed STREQUAL PUBLIC_HEADERS)
        message(FATAL_ERROR "Installed headers:\n${installed}\nPublic headers:\n${PUBLIC_HEADERS}")
    endif()
    foreach(header IN LISTS installed)
        file(WRITE ${WORK_DIR}/alone.cpp "#include <${header}>\n")
        run(${CXX} -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I${prefix}/include
            ${WORK_DIR}/alone.cpp)
    endforeach()
    return()
endif()

set(infer ${WORK_DIR}/infer)
separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")
separate_arguments(linker_flags UNIX_COMMAND "${LINKER_FLAGS}")
if(MODE STREQUAL "cmake")
    run(${CMAKE_COMMAND} -S ${EXAMPLE_DIR} -B ${WORK_DIR}/build -G Ninja
        -D CMAKE_BUILD_TYPE=Release -D CMAKE_PREFIX_PATH=${prefix} -D CMAKE_CXX_COMPILER=${CXX}
        -D CMAKE_CXX_STANDARD=17
        "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}" "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}")
    run(${CMAKE_COMMAND} --build ${WORK_DIR}/build)
    set(infer ${WORK_DIR}/build/infer)
elseif(MODE STREQUAL "pkg-config")
    file(GLOB pc_dirs ${prefix}/lib*/pkgconfig ${prefix}/lib/*/pkgconfig)
    set(ENV{PKG_CONFIG_PATH} "${pc_dirs}")
    run(pkg-config --cflags --libs varnel)
    separate_arguments(pkg_flags UNIX_COMMAND "${output}")
    run(${CXX} ${cxx_flags} ${EXAMPLE_DIR}/main.cpp -o ${infer} ${pkg_flags} ${linker_flags})
else()
    message(FATAL_ERROR "MODE must be cmake or pkg-config")
endif()

run(${infer} "John Smith" "Smith, John")
if(NOT output STREQUAL "(John)( )(Smith)\n$3,$2$1\n")
    message(FATAL_ERROR "The example printed:\n${output}")
endif()
