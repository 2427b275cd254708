# Writes the made files of a program's page beside the program: the page, with
# the program's size in it (for the progress bar), and the site's list of files
# with the program's name and the release, which names the service worker's cache
# (a digest of the program and the page, so that a new build replaces the old).
# Run as: cmake -DPROGRAM=<name> -DSITE=<folder> -DPAGE=<page sources>
#               -DCOPIES=<page files copied> -DICONS=<icon files> -P WebPage.cmake
cmake_minimum_required(VERSION 3.21)
set(QUILLMERE_WEB_PROGRAM ${PROGRAM})
file(SIZE ${SITE}/${PROGRAM}.wasm QUILLMERE_WASM_BYTES)

include(${CMAKE_CURRENT_LIST_DIR}/WebManifests.cmake)
foreach(QUILLMERE_MANIFEST_LANGUAGE IN LISTS QUILLMERE_WEB_MANIFEST_LANGUAGES)
    set(QUILLMERE_MANIFEST_DESCRIPTION "${QUILLMERE_WEB_DESCRIPTION_${QUILLMERE_MANIFEST_LANGUAGE}}")
    set(QUILLMERE_MANIFEST_DIRECTION ltr)
    if(QUILLMERE_MANIFEST_LANGUAGE IN_LIST QUILLMERE_WEB_MANIFEST_RIGHT_TO_LEFT)
        set(QUILLMERE_MANIFEST_DIRECTION rtl)
    endif()
    set(QUILLMERE_MANIFEST_NAME Quillmere)
    set(QUILLMERE_MANIFEST_BOARD_QUERY "")
    configure_file(${PAGE}/quillmere.webmanifest.in ${SITE}/quillmere-${QUILLMERE_MANIFEST_LANGUAGE}.webmanifest @ONLY)
    set(QUILLMERE_MANIFEST_NAME "${QUILLMERE_WEB_TODAY_NAME_${QUILLMERE_MANIFEST_LANGUAGE}}")
    set(QUILLMERE_MANIFEST_BOARD_QUERY "&board=today")
    configure_file(${PAGE}/quillmere.webmanifest.in ${SITE}/quillmere-${QUILLMERE_MANIFEST_LANGUAGE}-today.webmanifest @ONLY)
endforeach()

set(files ${PROGRAM}.js ${PROGRAM}.wasm ${COPIES} ${ICONS} ${QUILLMERE_WEB_MANIFESTS})
set(digests "")
foreach(file IN LISTS files)
    file(SHA256 ${SITE}/${file} digest)
    string(APPEND digests "${digest} ${file}\n")
endforeach()
file(SHA256 ${PAGE}/index.html digest)
string(APPEND digests "${digest} index.html\n")
string(SHA256 release "${digests}")
string(SUBSTRING ${release} 0 16 QUILLMERE_SITE_RELEASE)

# The files the service worker keeps, as a JavaScript list; the worker itself is not one.
list(REMOVE_ITEM files quillmere-service-worker.js)
list(APPEND files quillmere-site.js)
list(JOIN files "\", \"" joined)
set(QUILLMERE_PAGE_FILES "\"${joined}\"")

configure_file(${PAGE}/index.html ${SITE}/index.html @ONLY)
configure_file(${PAGE}/quillmere-site.js.in ${SITE}/quillmere-site.js @ONLY)
