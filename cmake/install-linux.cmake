# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# What a Linux desktop installs: the program, its desktop entry and
# software-centre metadata, the icon in the hicolor theme, a manual page,
# and, for the Debian package, the copyright and changelog.
include(GNUInstallDirs)
set(app_id example.dorvelan.Zerkovan)
set(app ${PROJECT_SOURCE_DIR}/app)
install(TARGETS zerkovan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${app}/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZERKOVAN_GENERATED_APP}/${app_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
foreach(size ${ZERKOVAN_ICON_SIZES})
    install(FILES ${ZERKOVAN_ICON_DIR}/zerkovan-${size}.png
            DESTINATION ${icons}/${size}x${size}/apps RENAME ${app_id}.png)
endforeach()
install(FILES ${app}/zerkovan.svg DESTINATION ${icons}/scalable/apps RENAME ${app_id}.svg)

# Debian's habit: compressed with no name or time stamp inside.
set(compressed ${CMAKE_CURRENT_BINARY_DIR}/compressed)
foreach(file zerkovan.1 debian/changelog)
    get_filename_component(name ${file} NAME)
    set(made ${ZERKOVAN_GENERATED_APP}/${file})
    add_custom_command(OUTPUT ${compressed}/${name}.gz DEPENDS ${made}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${compressed}
        COMMAND gzip -9n -c ${made} > ${compressed}/${name}.gz VERBATIM)
    list(APPEND compressed_files ${compressed}/${name}.gz)
endforeach()
add_custom_target(zerkovan_docs ALL DEPENDS ${compressed_files})
install(FILES ${compressed}/zerkovan.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The copyright file, in Debian's machine-readable form, with the program's
# terms as LICENSE words them.
set(copyright ${ZERKOVAN_GENERATED_APP}/debian/copyright)
add_custom_command(OUTPUT ${copyright}
    COMMAND ${ZERKOVAN_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/notices.py copyright ${copyright}
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/notices.py ${PROJECT_SOURCE_DIR}/LICENSE
            ${PROJECT_SOURCE_DIR}/app/thirdparty/components.json VERBATIM)
add_custom_target(zerkovan_copyright ALL DEPENDS ${copyright})
install(FILES ${compressed}/changelog.gz ${copyright}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zerkovan)
