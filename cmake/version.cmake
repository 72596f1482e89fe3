# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The files that name the version or the release date, made from the two
# lines at the top of CMakeLists.txt: the Windows version record, the
# metainfo, the manual page and the Debian changelog. The version record
# names the maker too.
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)$" matched ${ZERKOVAN_VERSION})
if(NOT matched)
    message(FATAL_ERROR "ZERKOVAN_VERSION ${ZERKOVAN_VERSION} is not MAJOR.MINOR")
endif()
math(EXPR ZERKOVAN_VERSION_MAJOR "${CMAKE_MATCH_1}")
math(EXPR ZERKOVAN_VERSION_MINOR "${CMAKE_MATCH_2}")

string(REGEX MATCH "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$" matched ${ZERKOVAN_RELEASE_DATE})
if(NOT matched)
    message(FATAL_ERROR "ZERKOVAN_RELEASE_DATE ${ZERKOVAN_RELEASE_DATE} is not YYYY-MM-DD")
endif()
set(year ${CMAKE_MATCH_1})
math(EXPR month "${CMAKE_MATCH_2}")
set(day ${CMAKE_MATCH_3})
set(months January February March April May June July August September October November December)
math(EXPR index "${month} - 1")
list(GET months ${index} month_name)
string(SUBSTRING ${month_name} 0 3 month_abbreviation)
# The day of the week, by Zeller's congruence (0 is Saturday).
set(m ${month})
set(y ${year})
if(m LESS 3)
    math(EXPR m "${m} + 12")
    math(EXPR y "${y} - 1")
endif()
math(EXPR weekday "(${day} + (13 * (${m} + 1)) / 5 + ${y} + ${y} / 4 - ${y} / 100 + ${y} / 400) % 7")
set(weekdays Sat Sun Mon Tue Wed Thu Fri)
list(GET weekdays ${weekday} weekday_name)
set(ZERKOVAN_MANUAL_DATE "${month_name} ${year}")
set(ZERKOVAN_CHANGELOG_DATE "${weekday_name}, ${day} ${month_abbreviation} ${year} 12:00:00 +0000")

set(SOURCE ${PROJECT_SOURCE_DIR})
include(${PROJECT_SOURCE_DIR}/cmake/maker.cmake)

set(ZERKOVAN_GENERATED_APP ${PROJECT_BINARY_DIR}/app-files)
foreach(file zerkovan.rc example.dorvelan.Zerkovan.metainfo.xml zerkovan.1 debian/changelog)
    configure_file(${PROJECT_SOURCE_DIR}/app/${file}.in ${ZERKOVAN_GENERATED_APP}/${file} @ONLY)
endforeach()
