# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Zips the site under one folder of the release's name, as a teacher unpacks
# it: cmake -DSITE=... -DWORK=... -DFOLDER=... -DZIP=... -P webzip.cmake, which
# writes WORK/FOLDER.zip. Every entry gets the last commit's time, the names go in sorted,
# and zip -X leaves out the builder's user, group and extended times.
set(FOLDER_PATH ${WORK}/${FOLDER})
file(REMOVE_RECURSE ${FOLDER_PATH} ${FOLDER_PATH}.zip)
file(COPY ${SITE}/ DESTINATION ${FOLDER_PATH})
file(GLOB_RECURSE entries LIST_DIRECTORIES true ${FOLDER_PATH}/*)
list(APPEND entries ${FOLDER_PATH})
list(SORT entries)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${entries} COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND chmod -R u=rwX,go=rX ${FOLDER_PATH} COMMAND_ERROR_IS_FATAL ANY)
set(names)
foreach(entry ${entries})
    file(RELATIVE_PATH name ${WORK} ${entry})
    if(IS_DIRECTORY ${entry})
        string(APPEND name /)
    endif()
    string(APPEND names "${name}\n")
endforeach()
file(WRITE ${FOLDER_PATH}.list "${names}")
execute_process(COMMAND sh -c "TZ=UTC '${ZIP}' -X -q -@ '${FOLDER}.zip' < '${FOLDER}.list'"
                WORKING_DIRECTORY ${WORK} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${FOLDER_PATH} ${FOLDER_PATH}.list)
