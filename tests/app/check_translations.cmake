# Every text that the windows mark for translation has a Chinese translation
# (the marks of the toolkit-free layers, the settings fields' labels among
# them, are checked by the catalogue test):
# the Chinese sets of translations/ are merged, brought up to date with the
# sources, and any text left without a translation is listed.
#   cmake -DLCONVERT=... -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -P check_translations.cmake
file(GLOB chinese_sets ${SOURCE_DIR}/translations/Chinese_*.ts)
set(merged ${WORK_DIR}/Chinese_all.ts)
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${LCONVERT} -i ${chinese_sets} -o ${merged} RESULT_VARIABLE converted)
if(NOT converted EQUAL 0)
    message(FATAL_ERROR "lconvert could not merge the Chinese translation sets")
endif()
set(source_dirs)
foreach(dir ui grid transfer dialogs print session shell app link_qt)
    list(APPEND source_dirs ${SOURCE_DIR}/${dir})
endforeach()
execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none -extensions cpp,h
                        ${source_dirs} -ts ${merged}
                RESULT_VARIABLE updated OUTPUT_QUIET ERROR_QUIET)
if(NOT updated EQUAL 0)
    message(FATAL_ERROR "lupdate failed on the sources")
endif()
file(READ ${merged} text)
string(REGEX MATCHALL "<name>[^<]*</name>|<source>[^<]*</source>[ \r\n\t]*<translation type=\"unfinished\"" entries "${text}")
set(context "")
set(missing "")
foreach(entry IN LISTS entries)
    if(entry MATCHES "^<name>([^<]*)</name>")
        set(context ${CMAKE_MATCH_1})
    elseif(entry MATCHES "^<source>([^<]*)</source>")
        string(APPEND missing "\n  ${context}: ${CMAKE_MATCH_1}")
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "Texts without a Chinese translation:${missing}")
endif()
message(STATUS "Every marked text has a Chinese translation")
