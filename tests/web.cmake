# The web edition (make web builds it into ZERKOVAN_WEB_SITE): its module
# against the native engine under Node.js, and the page in Chromium.
add_executable(web_sweep web/sweep.cpp everytext.h)
target_link_libraries(web_sweep PRIVATE zerkovan_engine)
target_include_directories(web_sweep PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
add_test(NAME web_module
         COMMAND node ${CMAKE_CURRENT_SOURCE_DIR}/web/check-module.mjs
                 ${ZERKOVAN_WEB_SITE}/zerkovan.wasm $<TARGET_FILE:web_sweep>)
add_test(NAME web_browser
         COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/web/check-browser.py
                 ${ZERKOVAN_WEB_SITE} ${PROJECT_SOURCE_DIR}/node_modules/axe-core/axe.min.js)
set_tests_properties(web_module web_browser PROPERTIES TIMEOUT 180)
