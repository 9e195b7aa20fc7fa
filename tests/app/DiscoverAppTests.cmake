# Writes one add_test per test function of the window tests: "app.<Class>.<function>".
execute_process(COMMAND "${TEST_EXECUTABLE}" --list
    OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "Listing the window tests failed: ${result}")
endif()

set(content "")
string(REPLACE "\n" ";" lines "${listing}")
foreach(line IN LISTS lines)
    if(line STREQUAL "")
        continue()
    endif()
    separate_arguments(parts UNIX_COMMAND "${line}")
    list(GET parts 0 test_class)
    list(GET parts 1 test_function)
    set(name "app.${test_class}.${test_function}")
    string(APPEND content
        "add_test(\"${name}\" \"${TEST_EXECUTABLE}\" \"${test_class}\" \"${test_function}\")\n"
        "set_tests_properties(\"${name}\" PROPERTIES LABELS app_tests ENVIRONMENT "
        "QT_QPA_PLATFORM=offscreen)\n")
endforeach()
file(WRITE "${TEST_LIST_FILE}" "${content}")
