# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The maker's web address, as the program shows it in its caption
# (window/maker.h), for the build files that name it: the Windows version
# record and the installer. SOURCE is the checkout.
file(STRINGS ${SOURCE}/window/maker.h maker_line REGEX "MakerAddress = \"[^\"]+\"")
string(REGEX MATCH "\"([^\"]+)\"" matched "${maker_line}")
if(NOT matched)
    message(FATAL_ERROR "window/maker.h names no MakerAddress")
endif()
set(ZERKOVAN_MAKER_ADDRESS ${CMAKE_MATCH_1})
if(NOT CMAKE_SCRIPT_MODE_FILE)
    # Made again when the address changes.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${SOURCE}/window/maker.h)
endif()
