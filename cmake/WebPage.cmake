# Writes the page with the program's size in it, for the progress bar.
# Run as: cmake -DWASM=<program.wasm> -DIN=<index.html> -DOUT=<site/index.html> -P WebPage.cmake
file(SIZE ${WASM} QUILLMERE_WASM_BYTES)
configure_file(${IN} ${OUT} @ONLY)
