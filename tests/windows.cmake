# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Cross-built for Windows: every suite runs as a Windows executable under
# Wine, in a throwaway prefix in the build folder, beside the Qt and MinGW
# DLLs where they lie. ctest itself runs on an X server (make test-windows),
# which Wine needs even for programs without a window.
set(wine_run ${CMAKE_CURRENT_SOURCE_DIR}/wine-run.sh)
set(ZERKOVAN_TEST_RUNNER ${wine_run} --qtest)
list(JOIN ZERKOVAN_RUNTIME_DLL_DIRS ":" runtime_dirs)
set(ZERKOVAN_TEST_ENVIRONMENT
    "ZERKOVAN_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix"
    "ZERKOVAN_WINE_DLL_DIRS=$<TARGET_FILE_DIR:Qt6::Core>:${runtime_dirs}"
    "QT_PLUGIN_PATH=$<TARGET_FILE_DIR:Qt6::QOffscreenIntegrationPlugin>/.."
    # The offscreen platform finds fonts in a folder, not the system's.
    "QT_QPA_FONTDIR=/usr/share/fonts/truetype/liberation")

# The program as deployed: run from its folder, with nothing else to lean on.
set(deploy ${CMAKE_BINARY_DIR}/deploy)
add_test(NAME deployed_program
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check-x11-program.sh ${wine_run} ${deploy}/Zerkovan.exe)
set_tests_properties(deployed_program PROPERTIES TIMEOUT 120
                     ENVIRONMENT "ZERKOVAN_WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix")
add_test(NAME deploy_folder COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check-deploy-folder.sh ${deploy}
                                     ${CMAKE_BINARY_DIR}/${ZERKOVAN_WINDOWS_PACKAGE}.zip)
add_test(NAME version_record COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/check-exe-resources.py
                                     ${deploy}/Zerkovan.exe ${PROJECT_SOURCE_DIR}/app/zerkovan.ico)
# What the folder, the zip and the installer carry of other people's work,
# their notices and the program's terms, and their bills of materials.
add_test(NAME notices_windows COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/check-notices.py windows
                                      ${CMAKE_BINARY_DIR})
# The installer: installed, run and removed, silently, in a prefix of its own.
add_test(NAME installer COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/check-msi.sh
                                ${CMAKE_BINARY_DIR}/${ZERKOVAN_MSI} ${deploy} ${PROJECT_SOURCE_DIR})
set_tests_properties(installer PROPERTIES TIMEOUT 300)
