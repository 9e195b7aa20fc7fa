# Warnings are errors on every target of ours, set per target.
function(varnel_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
