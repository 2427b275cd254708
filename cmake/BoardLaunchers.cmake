# The launchers of the boards besides the first: each board whose folder
# assets/boards/<name> holds launcher.desktop (its launchers' names, a desktop entry's
# Name keys) is started by `quillmere --board <name>` from an action of the desktop's
# menu entry and from an entry of the Start menu on Windows.
#
# quillmere_board_launchers() sets, in the caller's scope:
#   QUILLMERE_LAUNCHED_BOARDS         the boards' names
#   QUILLMERE_LAUNCHER_TITLE_<name>   the first Name of its launchers (the Start menu's)
#   QUILLMERE_DESKTOP_ACTIONS         the menu entry's Actions key and action groups
function(quillmere_board_launchers)
    file(GLOB launchers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/boards/*/launcher.desktop)
    set(boards)
    set(groups)
    foreach(launcher IN LISTS launchers)
        get_filename_component(folder ${launcher} DIRECTORY)
        get_filename_component(board ${folder} NAME)
        file(STRINGS ${launcher} names ENCODING UTF-8 REGEX "^Name(\\[[^]]+\\])?=")
        list(GET names 0 title)
        string(REGEX REPLACE "^Name=" "" title "${title}")
        set(QUILLMERE_LAUNCHER_TITLE_${board} "${title}" PARENT_SCOPE)
        list(APPEND boards ${board})
        list(JOIN names "\n" names)
        string(APPEND groups "\n[Desktop Action ${board}]\n${names}\nExec=quillmere --board ${board}\n")
    endforeach()
    list(JOIN boards ";" actions)
    set(QUILLMERE_LAUNCHED_BOARDS ${boards} PARENT_SCOPE)
    if(boards)
        set(QUILLMERE_DESKTOP_ACTIONS "Actions=${actions};\n${groups}" PARENT_SCOPE)
    else()
        set(QUILLMERE_DESKTOP_ACTIONS "" PARENT_SCOPE)
    endif()
endfunction()
