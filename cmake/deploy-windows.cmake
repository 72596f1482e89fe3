# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The folder a Windows user unzips and runs: Zerkovan.exe with the Qt
# libraries, the platform and style plugins, the MinGW runtime and Qt's
# Bulgarian texts beside it. Qt's deployment tool does not run on a Linux
# host for a MinGW build, so these rules name each file.
install(TARGETS zerkovan RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)

foreach(runtime_dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime_dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "MinGW runtime ${runtime_dll} not found")
    endif()
    get_filename_component(path "${path}" REALPATH)
    install(FILES ${path} DESTINATION .)
    # Debian ships them with their debugging symbols: 25 MB, mostly those.
    install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded
                                  \${CMAKE_INSTALL_PREFIX}/${runtime_dll} COMMAND_ERROR_IS_FATAL ANY)")
    get_filename_component(dir "${path}" DIRECTORY)
    list(APPEND ZERKOVAN_RUNTIME_DLL_DIRS ${dir})
endforeach()
list(REMOVE_DUPLICATES ZERKOVAN_RUNTIME_DLL_DIRS)
set(ZERKOVAN_RUNTIME_DLL_DIRS ${ZERKOVAN_RUNTIME_DLL_DIRS} CACHE INTERNAL "")

# The .qm files are the same on every platform: take the build machine's.
find_file(ZERKOVAN_QTBASE_BG qtbase_bg.qm PATHS ${QT_HOST_PATH}/share/qt6/translations
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
install(FILES ${ZERKOVAN_QTBASE_BG} DESTINATION translations)
# Beside the executables in the build folder too, for the tests.
file(COPY ${ZERKOVAN_QTBASE_BG} DESTINATION ${CMAKE_BINARY_DIR}/translations)

# Beside the program: its terms, and the notices of everything in the folder
# that is other people's work (app/thirdparty/components.json).
set(notices ${CMAKE_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
add_custom_command(OUTPUT ${notices}
    COMMAND ${ZERKOVAN_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/notices.py notices windows ${notices}
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/notices.py ${PROJECT_SOURCE_DIR}/app/thirdparty/components.json
            ${PROJECT_SOURCE_DIR}/app/thirdparty/qt6-base-mingw.patch ${PROJECT_SOURCE_DIR}/LICENSE VERBATIM)
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
            -DSOURCE=${PROJECT_SOURCE_DIR} -DOUTPUT=${CMAKE_BINARY_DIR}/${ZERKOVAN_MSI}
            -P ${PROJECT_SOURCE_DIR}/cmake/msi.cmake
    COMMENT "Making ${ZERKOVAN_MSI}" VERBATIM)
