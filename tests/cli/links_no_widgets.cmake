# program-cli writes its PDF report with Qt GUI alone: neither the libraries
# it links (LINKED, comma-separated, each library's own included) nor those
# it loads may be Qt Widgets or Qt PrintSupport (which brings Widgets).
#   cmake -DPROGRAM=<program-cli> -DLINKED=<targets> -P links_no_widgets.cmake
cmake_minimum_required(VERSION 3.25)
set(forbidden "Qt6?:*(Widgets|PrintSupport)")
string(REPLACE "," ";" linked "${LINKED}")
if(NOT "Qt6::Gui" IN_LIST linked)
    message(FATAL_ERROR "Qt GUI is not among the libraries program-cli links: ${LINKED}")
endif()
foreach(library IN LISTS linked)
    if(library MATCHES "${forbidden}")
        message(FATAL_ERROR "program-cli links ${library}: ${LINKED}")
    endif()
endforeach()

execute_process(COMMAND ldd ${PROGRAM} RESULT_VARIABLE result OUTPUT_VARIABLE loaded
                ERROR_VARIABLE loaded)
if(NOT result EQUAL 0 OR NOT loaded MATCHES "libQt6Gui")
    message(FATAL_ERROR "ldd does not list Qt GUI among the libraries of ${PROGRAM}:\n${loaded}")
endif()
if(loaded MATCHES "lib${forbidden}[^ \t\n]*")
    message(FATAL_ERROR "${PROGRAM} loads ${CMAKE_MATCH_0}")
endif()
message(STATUS "program-cli links and loads Qt GUI and no widgets")
