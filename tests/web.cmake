# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# The web edition (make web builds it into ZERKOVAN_WEB_SITE): its module,
# and the same module translated to JavaScript, against the native engine
# under Node.js, and the page in each of the three browser engines, the same
# checks in each. WebKitGTK runs on an X server of its own.
add_executable(web_sweep web/sweep.cpp everytext.h)
target_link_libraries(web_sweep PRIVATE zerkovan_engine)
target_include_directories(web_sweep PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
add_test(NAME web_module
         COMMAND node ${CMAKE_CURRENT_SOURCE_DIR}/web/check-module.mjs
                 ${ZERKOVAN_WEB_SITE} $<TARGET_FILE:web_sweep>)
add_test(NAME web_inputrule
         COMMAND node ${CMAKE_CURRENT_SOURCE_DIR}/web/check-inputrule.mjs ${ZERKOVAN_WEB_SITE})
set(browser_check node ${CMAKE_CURRENT_SOURCE_DIR}/web/check-browser.mjs)
set(browser_check_files ${ZERKOVAN_WEB_SITE} ${PROJECT_SOURCE_DIR}/node_modules/axe-core/axe.min.js
    ${CMAKE_CURRENT_BINARY_DIR}/locales)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/locales)
add_test(NAME web_chromium COMMAND ${browser_check} chromium ${browser_check_files})
add_test(NAME web_firefox COMMAND ${browser_check} firefox ${browser_check_files})
add_test(NAME web_webkit
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/xvfb-session.sh ${browser_check} webkit ${browser_check_files})
set_tests_properties(web_module web_inputrule web_chromium web_firefox web_webkit PROPERTIES TIMEOUT 240)
# What the site, its zip and the single file carry of other people's work,
# their notices and the program's terms, and their bills of materials.
get_filename_component(web_build ${ZERKOVAN_WEB_SITE} DIRECTORY)
add_test(NAME notices_web COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/check-notices.py web ${web_build})
