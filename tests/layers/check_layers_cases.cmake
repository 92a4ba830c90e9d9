# The layering check itself, run on scratch trees: a tree that keeps the
# rules passes, and each kind of fault, added to it alone, fails the check
# with the offending file named.
#   cmake -DCHECK=check_layers.cmake -DSCRATCH_DIR=... -P check_layers_cases.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/layer_table.cmake)

set(tree ${SCRATCH_DIR}/tree)
set(failures "")

# Every layer with a header and a file that includes what the rules allow,
# including the forms that must not be mistaken for faults: system and Qt
# headers in angle brackets, a test including any layer and its own moc
# file, a build tree whose generated files climb with "..", a folder
# without code.
function(make_tree)
    file(REMOVE_RECURSE ${tree})
    foreach(layer IN LISTS layers)
        file(WRITE ${tree}/${layer}/${layer}.h "#pragma once\n")
        list(GET allowed_${layer} -1 lowest)
        file(WRITE ${tree}/${layer}/${layer}.cpp
             "#include \"${layer}/${layer}.h\"\n#include \"${lowest}/${lowest}.h\"\n"
             "#include <vector>\n#include <QtCore/QString>\n")
    endforeach()
    file(WRITE ${tree}/tests/shell_test.cpp
         "#include \"shell/shell.h\"\n#include \"shell_test.moc\"\n")
    file(WRITE ${tree}/build-x/CMakeCache.txt "")
    file(WRITE ${tree}/build-x/ui/moc_ui.cpp "#include \"../../ui/ui.h\"\n")
    file(WRITE ${tree}/docs/notes.md "#include \"shell/shell.h\"\n")
endfunction()

# Runs the check on the tree; expected is "" for a pass, else a text the
# failure must name.
function(expect case expected)
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -P ${CHECK}
                    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(expected STREQUAL "")
        if(NOT result EQUAL 0)
            string(APPEND failures "\n${case}: should pass, failed with:\n${output}")
        endif()
    elseif(result EQUAL 0)
        string(APPEND failures "\n${case}: should fail, passed")
    else()
        string(FIND "${output}" "${expected}" at)
        if(at LESS 0)
            string(APPEND failures "\n${case}: failed without naming \"${expected}\":\n${output}")
        endif()
    endif()
    set(failures "${failures}" PARENT_SCOPE)
endfunction()

make_tree()
expect("a tree that keeps the rules" "")

# Case name, the file added to the tree, its include line, what the failure names.
set(cases
    "an include of a layer above|model/bad.cpp|#include \"ui/ui.h\"|model/bad.cpp: #include \"ui/ui.h\""
    "a header not named by its folder|ui/bad.cpp|#include \"ui.h\"|ui/bad.cpp"
    "a layer above in angle brackets|model/bad.cpp|#include <ui/message_service.h>|model/bad.cpp: #include <ui/message_service.h>"
    "its own layer in angle brackets|model/bad.cpp|#include <model/model.h>|model/bad.cpp"
    "a layer reached through ..|model/bad.cpp|#include \"model/../ui/x.h\"|model/bad.cpp: #include \"model/../ui/x.h\""
    "a test reaching up through ..|tests/bad.cpp|#include \"../shell/shell.h\"|tests/bad.cpp"
    "a folder that is not in the list|unlisted/unlisted.cpp|#include \"shell/shell.h\"|unlisted/: a folder with code that is not in the list"
)
foreach(row IN LISTS cases)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 case)
    list(GET fields 1 file)
    list(GET fields 2 line)
    list(GET fields 3 expected)
    make_tree()
    file(WRITE ${tree}/${file} "${line}\n")
    expect("${case}" "${expected}")
endforeach()
file(REMOVE_RECURSE ${tree})

if(failures)
    message(FATAL_ERROR "The layering check went wrong:${failures}")
endif()
message(STATUS "The layering check passes a clean tree and fails each fault")
