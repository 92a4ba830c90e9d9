# Compiler settings shared by every target of our own code: warnings on, and
# treated as errors when PROGRAM_WERROR is on (scripts/build turns it on).
function(program_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(PROGRAM_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# A name that hides another (a local, a parameter, a member) is an error in
# the layers and the programs. Tests leave it off: the parameterised-test
# macros of GoogleTest declare names that hide the test's own.
function(program_shadow_warnings target)
    target_compile_options(${target} PRIVATE -Wshadow)
endfunction()

# A static library made of every .cpp in the calling folder (and, with
# RECURSE, below it), so that adding a file needs no edit here. LIBS are
# linked publicly.
function(program_folder_library target)
    cmake_parse_arguments(ARG "RECURSE" "" "LIBS" ${ARGN})
    if(ARG_RECURSE)
        file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    else()
        file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    endif()
    add_library(${target} STATIC ${sources})
    program_target_defaults(${target})
    program_shadow_warnings(${target})
    target_link_libraries(${target} PUBLIC ${ARG_LIBS})
endfunction()

# A test executable: GoogleTest or Qt Test, registered with CTest. Tests run
# with the offscreen platform so that no display is needed.
function(program_test target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    program_target_defaults(${target})
endfunction()

# A Qt Test executable (SOURCES, by default <target>.cpp) linked with LIBS,
# registered with CTest and run on the offscreen platform.
function(program_qt_test target)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    if(NOT ARG_SOURCES)
        set(ARG_SOURCES ${target}.cpp)
    endif()
    add_executable(${target} ${ARG_SOURCES})
    program_test(${target})
    target_link_libraries(${target} PRIVATE ${ARG_LIBS} Qt6::Test)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endfunction()
