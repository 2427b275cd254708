# Writes the page of a program, with the program's name and size in it (for the
# progress bar), beside the program.
# Run as: cmake -DPROGRAM=<name> -DSITE=<folder> -DIN=<index.html> -P WebPage.cmake
set(QUILLMERE_WEB_PROGRAM ${PROGRAM})
file(SIZE ${SITE}/${PROGRAM}.wasm QUILLMERE_WASM_BYTES)
configure_file(${IN} ${SITE}/index.html @ONLY)
