# cmake -DIN=file -DOUT=file.gz -P Gzip.cmake: compresses one file as Debian keeps documents,
# at the highest level and without a name or a time stamp, so that two builds are identical.
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND ${GZIP} -9 -n -c ${IN} OUTPUT_FILE ${OUT} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "gzip could not compress ${IN}")
endif()
