# The parts of Varnel and the parts each one links directly: the one place this graph is written.
# The folders' targets, the include-arrows test, the installed package config and varnel.pc all
# read it. A part may include itself and whatever it reaches along these arrows.

# The library: folder varnel/<part>, target varnel::<part>. Every part comes after the parts it
# links, so the list is also the order to add, find and link them in.
set(VARNEL_LIBRARY_PARTS common languages pattern core suggestions replace learning settings)
set(VARNEL_LINKS_common "")
set(VARNEL_LINKS_languages common)
set(VARNEL_LINKS_pattern languages common)
set(VARNEL_LINKS_core languages common)
set(VARNEL_LINKS_suggestions pattern languages common)
set(VARNEL_LINKS_replace pattern languages common)
set(VARNEL_LINKS_learning core replace languages common)
set(VARNEL_LINKS_settings languages)
# The one part that compiles and runs patterns on PCRE2, and so the only one to include it.
set(VARNEL_PCRE2_PART pattern)
# The parts built on Qt: found only when a front end is built.
set(VARNEL_QT_PARTS settings)

# The front ends: folders app/ and cli/ at the top of the tree.
set(VARNEL_FRONT_ENDS app cli)
set(VARNEL_LINKS_app core suggestions replace learning settings languages common)
set(VARNEL_LINKS_cli core suggestions replace learning settings languages common)

# varnel_reach(<part> <out>): the part and every part it reaches along the arrows.
function(varnel_reach part out)
    set(reach ${part})
    set(queue ${VARNEL_LINKS_${part}})
    while(queue)
        list(POP_FRONT queue next)
        if(NOT next IN_LIST reach)
            list(APPEND reach ${next})
            list(APPEND queue ${VARNEL_LINKS_${next}})
        endif()
    endwhile()
    set(${out} ${reach} PARENT_SCOPE)
endfunction()
