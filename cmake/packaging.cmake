# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# What cpack makes on Linux: a Debian package of the install rules (make
# package). Its times are SOURCE_DATE_EPOCH's. Windows has its zip and
# installer from cmake/deploy-windows.cmake.
set(CPACK_PACKAGE_NAME zerkovan)
set(CPACK_PACKAGE_VENDOR "Dorvelan")
set(CPACK_PACKAGE_VERSION ${ZERKOVAN_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number triangle for school mathematics")
if(NOT WIN32)
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_STRIP_FILES ON)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Dorvelan <zerkovan@dorvelan.example>")
    set(CPACK_DEBIAN_PACKAGE_SECTION education)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.dorvelan.example/")
    set(CPACK_PACKAGE_DESCRIPTION
        "Zerkovan writes the rows of a number triangle, whose row n holds
k*(n-k+1) for k = 1..n, up to a number N that the pupil types, and names
the first row in which N occurs: the least x + y - 1 over the ways of
writing N as x*y. It links arithmetic and divisors with a little
programming, for lessons in mathematics and informatics.
.
The interface is in Bulgarian.")
    # The libraries come from the binary; the rest it loads at run time:
    # its font (the metric twin of Times New Roman), the X11 and Wayland
    # platform plugins and the toolkit's Bulgarian texts.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "fonts-liberation, qt6-qpa-plugins, qt6-wayland, qt6-translations-l10n")
    include(CPack)

    # The package under umask 022 (CPack gives the folders it creates and
    # the members of the .deb's ar archive the umask's modes; CMake 3.25
    # applies no default of its own to folders an install creates on the
    # way), with its SHA256SUMS and bill of materials beside it.
    add_custom_target(release
        COMMAND sh -c "rm -f zerkovan_*.deb && umask 022 && '${CMAKE_CPACK_COMMAND}' -G DEB >/dev/null"
        COMMAND sh -c "'${ZERKOVAN_PYTHON}' '${PROJECT_SOURCE_DIR}/cmake/notices.py' release deb ${ZERKOVAN_VERSION} zerkovan_*.deb"
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR} VERBATIM)
endif()
