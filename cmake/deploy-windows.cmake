# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The folder a Windows user unzips and runs: Zerkovan.exe, which needs
# nothing beside it, with its terms and notices.
install(TARGETS zerkovan RUNTIME DESTINATION .)

# Beside the program: its terms, and the notices of everything in the folder
# that is other people's work (app/thirdparty/components.json).
include(${PROJECT_SOURCE_DIR}/cmake/notices.cmake)
zerkovan_notices_sources(windows notices_sources)
set(notices ${CMAKE_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
add_custom_command(OUTPUT ${notices}
    COMMAND ${ZERKOVAN_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/notices.py notices windows ${ZERKOVAN_VERSION} ${notices}
    DEPENDS ${notices_sources} VERBATIM)
add_custom_target(zerkovan_notices ALL DEPENDS ${notices})
install(FILES ${notices} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# The zip and the installer's cabinet keep each file's time: the last
# commit's, not the build's.
install(CODE [[
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        file(GLOB_RECURSE installed LIST_DIRECTORIES true "${CMAKE_INSTALL_PREFIX}/*")
        execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${CMAKE_INSTALL_PREFIX}
                                ${installed} COMMAND_ERROR_IS_FATAL ANY)
    endif()
]])

# What scripts/windows-release needs to make the release from the installed
# folder (make windows): the zip for one person, the installer for a lab,
# their signatures where the maker's fit, and the SHA256SUMS.
file(WRITE ${CMAKE_BINARY_DIR}/release.env
     "VERSION='${ZERKOVAN_VERSION}'\nARCH='${ZERKOVAN_WINDOWS_ARCH}'\n"
     "PACKAGE='${ZERKOVAN_WINDOWS_PACKAGE}'\nMSI='${ZERKOVAN_MSI}'\nSOURCE='${PROJECT_SOURCE_DIR}'\n"
     "MAKER='${ZERKOVAN_MAKER_ADDRESS}'\n")
