# The web build: the program as a page, built with emscripten against Qt for
# WebAssembly (tools/web/build-qt.sh).

# Qt 6.4 hands every program "-s DISABLE_EXCEPTION_CATCHING=1", after the program's
# own options (its helpers test a feature, "exceptions", that 6.4 never defines).
# Code compiled with -fexceptions still catches its own throws then, but a throw
# from inside the C++ library (std::system_error where no thread can start,
# std::bad_alloc) aborts the page. The error trap must catch those too.
get_target_property(qt_platform_link_options Qt6::Platform INTERFACE_LINK_OPTIONS)
list(TRANSFORM qt_platform_link_options REPLACE "DISABLE_EXCEPTION_CATCHING=1" "DISABLE_EXCEPTION_CATCHING=0")
set_property(TARGET Qt6::Platform PROPERTY INTERFACE_LINK_OPTIONS "${qt_platform_link_options}")
add_compile_options(-fexceptions)

# The page's files, beside the program in the site: copied as they are, and made
# with the program's name, size and release in them (cmake/WebPage.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/WebManifests.cmake)
set(QUILLMERE_WEB_PAGE_DIR ${CMAKE_SOURCE_DIR}/outside/web/page)
set(QUILLMERE_WEB_PAGE_COPIES
    quillmere-page.js quillmere-language.js page-accessible.js page-audio.js page-board.js page-carry.js page-drawing.js
    page-files.js page-kept-game.js page-layout.js page-map-view.js page-offline.js
    quillmere-page.css quillmere-service-worker.js)
set(QUILLMERE_WEB_PAGE_MADE index.html quillmere-site.js ${QUILLMERE_WEB_MANIFESTS})
# The program icon: beside the page, and at the sizes a web app's manifest needs.
set(QUILLMERE_WEB_ICONS quillmere.png icons/quillmere-192.png icons/quillmere-512.png)

# quillmere_web_program(<target>): the program and its page in the site, the
# target's output folder.
function(quillmere_web_program target)
    target_link_options(${target} PRIVATE
        # Modal boxes (QDialog::exec) return only once closed: asyncify lets the
        # page run meanwhile. A box opened by a drop sits deeper in the stack than
        # the default 4 KiB of asyncify's stack holds.
        "SHELL:-s ASYNCIFY" "SHELL:-s ASYNCIFY_STACK_SIZE=65536"
        # Safari on iOS fails to reserve a larger memory than this for a page,
        # which the program, at about 60 MB, never nears.
        "SHELL:-s MAXIMUM_MEMORY=1GB"
        # Qt's own (the UTF-16 strings), and what the page uses to hand the
        # program its environment and its folder's files.
        "SHELL:-s EXPORTED_RUNTIME_METHODS=UTF16ToString,stringToUTF16,ENV,FS,addRunDependency,removeRunDependency")
    # The map is a JPEG, the pointer file and the icons are ICO.
    qt_import_plugins(${target} INCLUDE Qt6::QJpegPlugin Qt6::QICOPlugin)

    # The page, made again when the program or a page file changes.
    get_target_property(site ${target} RUNTIME_OUTPUT_DIRECTORY)
    set(page ${QUILLMERE_WEB_PAGE_DIR})
    list(TRANSFORM QUILLMERE_WEB_PAGE_COPIES PREPEND ${page}/ OUTPUT_VARIABLE sources)
    set(made ${QUILLMERE_WEB_PAGE_COPIES} ${QUILLMERE_WEB_PAGE_MADE} ${QUILLMERE_WEB_ICONS})
    list(TRANSFORM made PREPEND ${site}/)
    set(icons ${CMAKE_SOURCE_DIR}/assets/web/icons)
    add_custom_command(OUTPUT ${made}
        COMMAND ${CMAKE_COMMAND} -E copy ${sources} ${site}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/assets/linux/icons/32x32/org.quillmere.Quillmere.png
                ${site}/quillmere.png
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${icons} ${site}/icons
        COMMAND ${CMAKE_COMMAND} -DPROGRAM=${target} -DSITE=${site} -DPAGE=${page}
                "-DCOPIES=${QUILLMERE_WEB_PAGE_COPIES}" "-DICONS=${QUILLMERE_WEB_ICONS}"
                -P ${CMAKE_SOURCE_DIR}/cmake/WebPage.cmake
        DEPENDS ${target} ${sources} ${page}/index.html ${page}/quillmere-site.js.in ${page}/quillmere.webmanifest.in
                ${icons}/quillmere-192.png ${icons}/quillmere-512.png ${CMAKE_SOURCE_DIR}/cmake/WebPage.cmake
                ${CMAKE_SOURCE_DIR}/cmake/WebManifests.cmake
        VERBATIM)
    get_target_property(excluded ${target} EXCLUDE_FROM_ALL)
    if(excluded)
        add_custom_target(${target}_page DEPENDS ${made})
    else()
        add_custom_target(${target}_page ALL DEPENDS ${made})
    endif()
endfunction()

# quillmere_node_program(<target>): a program that node runs (tools/web/run-node.js),
# the tests that need no window: it ends when its main() returns, and reads and
# writes the host's files as they are.
function(quillmere_node_program target)
    target_link_options(${target} PRIVATE "SHELL:-s EXIT_RUNTIME=1" "SHELL:-s NODERAWFS=1"
        "SHELL:-s EXPORTED_RUNTIME_METHODS=UTF16ToString,stringToUTF16,ENV"
        # Optimised less than the game: the link is most of their build time.
        -O1)
endfunction()
