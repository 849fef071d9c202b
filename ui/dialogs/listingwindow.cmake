# Concatenates the document core's files into the listing text.
# Called with -DOUTPUT=<file> -DROOT=<source root> -DINPUTS=<file;file;...>.
set(text "")
foreach(input IN LISTS INPUTS)
    file(RELATIVE_PATH name ${ROOT} ${input})
    file(READ ${input} content)
    string(APPEND text "// ---- ${name} ----\n\n${content}")
    if(NOT content MATCHES "\n$")
        string(APPEND text "\n")
    endif()
    string(APPEND text "\n")
endforeach()
file(WRITE ${OUTPUT} "${text}")
