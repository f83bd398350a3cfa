# cmake -DIN=file -DOUT=file.gz -P Gzip.cmake: compresses one file.
file(ARCHIVE_CREATE OUTPUT ${OUT} PATHS ${IN} FORMAT raw COMPRESSION GZip)
