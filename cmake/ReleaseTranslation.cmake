# Compiles one translation and fails where a message could not reach the
# screen: lrelease keeps only the first of two messages with one source (and
# note), leaves out an unfinished one and says so only in its output.
#   cmake -DLRELEASE=... -DTS=in.ts -DQM=out.qm -P ReleaseTranslation.cmake
file(READ ${TS} content)
foreach(kind unfinished obsolete vanished)
    string(FIND "${content}" "type=\"${kind}\"" at)
    if(NOT at EQUAL -1)
        message(FATAL_ERROR "${TS}: a message is ${kind}; finish it or remove it")
    endif()
endforeach()
get_filename_component(dir ${QM} DIRECTORY)
file(MAKE_DIRECTORY ${dir})
execute_process(COMMAND ${LRELEASE} ${TS} -qm ${QM}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(said "${out}${err}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lrelease ${TS} failed (${status}):\n${said}")
endif()
if(said MATCHES "[Dd]ropp|[Ii]gnored|untranslated|[Ww]arning|[Ee]rror")
    file(REMOVE ${QM})
    message(FATAL_ERROR "${TS}: lrelease dropped or ignored messages:\n${said}")
endif()
if(NOT said MATCHES "\\(([0-9]+) finished and 0 unfinished\\)")
    file(REMOVE ${QM})
    message(FATAL_ERROR "${TS}: unfinished messages:\n${said}")
endif()
