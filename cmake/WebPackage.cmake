# The web package: a zip of the site, which unpacks into a folder of its own to be
# put on a web server as it is. Made with `cpack` in the web build.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quillmere)
set(CPACK_PACKAGE_VENDOR Quillmere)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "A map quiz of the countries of Africa")
set(CPACK_PACKAGE_FILE_NAME Quillmere-${PROJECT_VERSION}-web)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
