# What cpack makes of the install rules: a zip of the deploy folder on
# Windows.
set(CPACK_PACKAGE_NAME Zerkovan)
set(CPACK_PACKAGE_VENDOR "www.dorvelan.example")
set(CPACK_PACKAGE_VERSION "1.00")
if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME "Zerkovan-${CPACK_PACKAGE_VERSION}-windows-x64")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
include(CPack)
