# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The program's icon (app/), drawn by one rule for every front end: the hand-drawn
# 32-pixel icon (zerkovan.xpm) as it is, and every other size from the
# scalable picture of the same hamburger (zerkovan.svg).
#   zerkovan_icon(OUTPUT_PNG SIZE [BACKGROUND colour])
# An icon with a background is opaque, as iOS wants its home-screen icon.
find_program(ZERKOVAN_RSVG_CONVERT rsvg-convert REQUIRED)
set(ZERKOVAN_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/../app/zerkovan.svg)
set(ZERKOVAN_ICON_XPM ${CMAKE_CURRENT_LIST_DIR}/../app/zerkovan.xpm)

function(zerkovan_icon png size)
    cmake_parse_arguments(icon "" "BACKGROUND" "" ${ARGN})
    get_filename_component(folder ${png} DIRECTORY)
    if(size EQUAL 32 AND NOT icon_BACKGROUND)
        find_program(ZERKOVAN_IMAGEMAGICK convert REQUIRED)
        add_custom_command(OUTPUT ${png} DEPENDS ${ZERKOVAN_ICON_XPM}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            # No date:create or date:modify chunks: the PNG is the same whenever made.
            COMMAND ${ZERKOVAN_IMAGEMAGICK} ${ZERKOVAN_ICON_XPM} -define png:exclude-chunks=date,time
                    PNG32:${png} VERBATIM)
    else()
        set(background)
        if(icon_BACKGROUND)
            set(background --background-color=${icon_BACKGROUND})
        endif()
        add_custom_command(OUTPUT ${png} DEPENDS ${ZERKOVAN_ICON_SVG}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
            COMMAND ${ZERKOVAN_RSVG_CONVERT} -w ${size} -h ${size} ${background} -o ${png}
                    ${ZERKOVAN_ICON_SVG} VERBATIM)
    endif()
endfunction()
