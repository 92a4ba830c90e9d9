# Writes the pseudo-language's translation source: every message of the
# given .ts files translated as its own source text between "[[" and "]]",
# so that a text which reaches the user without the marks did not come
# from the catalogue.
#   cmake -DSOURCES=<a.ts;b.ts...> -DOUTPUT=<Pseudo.ts> -P pseudo.cmake
cmake_minimum_required(VERSION 3.25)
set(contexts "")
foreach(source IN LISTS SOURCES)
    file(READ ${source} text)
    string(REGEX MATCHALL "<context>.*</context>" body "${text}")
    string(REGEX REPLACE
        "<source>([^<]*)</source>([ \t\r\n]*(<comment>[^<]*</comment>[ \t\r\n]*)?)<translation[^>]*>[^<]*</translation>"
        "<source>\\1</source>\\2<translation>[[\\1]]</translation>" body "${body}")
    string(APPEND contexts "${body}\n")
endforeach()
file(WRITE ${OUTPUT} "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\">\n${contexts}</TS>\n")
