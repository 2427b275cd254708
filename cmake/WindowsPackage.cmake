# The Windows packages: a zip of the program folder, and an installer (NSIS) with
# a Start menu entry and an uninstaller. Made with `cpack` in the Windows build.
set(CPACK_GENERATOR ZIP NSIS64)
set(CPACK_PACKAGE_NAME Quillmere)
set(CPACK_PACKAGE_VENDOR Quillmere)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "A map quiz of the countries of Africa")
set(CPACK_PACKAGE_FILE_NAME Quillmere-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quillmere)
set(CPACK_PACKAGE_EXECUTABLES quillmere Quillmere)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# The zip unpacks into a folder of its own: the program folder.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

# The program lies at the top of its installation folder, beside its files.
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME Quillmere)
set(CPACK_NSIS_DISPLAY_NAME Quillmere)
set(CPACK_NSIS_INSTALLED_ICON_NAME quillmere.exe)
set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/assets/icons/quillmere.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_SOURCE_DIR}/assets/icons/quillmere.ico)
set(CPACK_NSIS_URL_INFO_ABOUT ${QUILLMERE_HOME_PAGE})
set(CPACK_NSIS_CONTACT ${QUILLMERE_SUPPORT_EMAIL})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A Start menu entry for each board a launcher starts. CPack writes its settings
# into a CMake file it reads again: verbatim, NSIS's backslashes and $variables
# reach the installer's script as written here.
set(CPACK_VERBATIM_VARIABLES ON)
quillmere_board_launchers()
set(CPACK_NSIS_CREATE_ICONS_EXTRA)
set(CPACK_NSIS_DELETE_ICONS_EXTRA)
foreach(board IN LISTS QUILLMERE_LAUNCHED_BOARDS)
    set(shortcut "${QUILLMERE_LAUNCHER_TITLE_${board}}.lnk")
    string(APPEND CPACK_NSIS_CREATE_ICONS_EXTRA
        "CreateShortCut '$SMPROGRAMS\\$STARTMENU_FOLDER\\${shortcut}' '$INSTDIR\\quillmere.exe' '--board ${board}'\n")
    string(APPEND CPACK_NSIS_DELETE_ICONS_EXTRA "Delete '$SMPROGRAMS\\$MUI_TEMP\\${shortcut}'\n")
endforeach()
# Debian's NSIS builds 32-bit installers unless told otherwise, and those install
# nothing where only 64-bit Windows programs run.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
include(CPack)
