# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# What an edition's notices are made of, for their rule's DEPENDS: the table
# of components, the program that writes them, and every owner's text they
# quote (the Debian packages' copyright files, the licence texts). An
# upgrade of the system's packages then makes them anew. A change of the
# table configures the build again, for the list itself may change.
# The web edition's libc++ is named by the LLVM version it is built with.
if(ZERKOVAN_LLVM_VERSION)
    set(ZERKOVAN_NOTICES_LLVM --llvm ${ZERKOVAN_LLVM_VERSION})
endif()
function(zerkovan_notices_sources edition variable)
    set(table ${PROJECT_SOURCE_DIR}/app/thirdparty/components.json)
    execute_process(COMMAND ${ZERKOVAN_PYTHON} ${PROJECT_SOURCE_DIR}/cmake/notices.py ${ZERKOVAN_NOTICES_LLVM}
                            depends ${edition}
                    OUTPUT_VARIABLE files OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(REPLACE "\n" ";" files "${files}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${table})
    set(${variable} ${files} ${table} ${PROJECT_SOURCE_DIR}/package-lock.json ${PROJECT_SOURCE_DIR}/cmake/notices.py
        PARENT_SCOPE)
endfunction()
