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

# The zip for one person, of the installed folder as it stands, under one
# folder of the package's name (make windows). Info-ZIP, not CPack: CPack
# writes the builder's user and group into every entry and has no option
# against it here; zip -X leaves them out, with the extended time stamps.
# The names go in sorted, and the times as UTC.
find_program(ZERKOVAN_ZIP zip REQUIRED)
add_custom_target(zip
    COMMAND ${CMAKE_COMMAND} -E rm -f ${ZERKOVAN_WINDOWS_PACKAGE}.zip ${ZERKOVAN_WINDOWS_PACKAGE}
    COMMAND ${CMAKE_COMMAND} -E create_symlink deploy ${ZERKOVAN_WINDOWS_PACKAGE}
    COMMAND sh -c "find ${ZERKOVAN_WINDOWS_PACKAGE}/ | LC_ALL=C sort | TZ=UTC ${ZERKOVAN_ZIP} -X -q -@ ${ZERKOVAN_WINDOWS_PACKAGE}.zip"
    COMMAND ${CMAKE_COMMAND} -E rm ${ZERKOVAN_WINDOWS_PACKAGE}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR} VERBATIM)

# The installer for whole labs, made from the installed folder (make windows).
add_custom_target(msi
    COMMAND ${CMAKE_COMMAND} -DDEPLOY=${CMAKE_BINARY_DIR}/deploy -DVERSION=${ZERKOVAN_VERSION}
            -DARCH=${ZERKOVAN_WINDOWS_ARCH}
            -DSOURCE=${PROJECT_SOURCE_DIR} -DOUTPUT=${CMAKE_BINARY_DIR}/${ZERKOVAN_MSI}
            -P ${PROJECT_SOURCE_DIR}/cmake/msi.cmake
    COMMENT "Making ${ZERKOVAN_MSI}" VERBATIM)

# Both, and the program itself, with their SHA256SUMS and a bill of materials
# beside each (make windows).
add_custom_target(release
    COMMAND ${ZERKOVAN_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/notices.py release windows ${ZERKOVAN_VERSION}
            ${ZERKOVAN_WINDOWS_PACKAGE}.zip ${ZERKOVAN_MSI} deploy/Zerkovan.exe
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR} VERBATIM)
add_dependencies(release zip msi)
