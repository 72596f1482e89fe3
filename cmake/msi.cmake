# SPDX-FileCopyrightText: 2026 Dorvelan <zerkovan@dorvelan.example>
# SPDX-License-Identifier: LicenseRef-Zerkovan

# Makes the Windows installer from the deploy folder with msitools.
#   cmake -DDEPLOY=<folder> -DVERSION=<version> -DSOURCE=<checkout> -DOUTPUT=<file.msi>
#         -DARCH=i686|x86_64 -P msi.cmake
# The product code follows the version, so each version has its own; the
# package code follows everything packed, so two builds of one commit give
# the same installer and any other installer has another code.
#
# wixl (msitools 0.101) takes its time stamps from the clock and draws the
# package code at random, whatever Package/@Id says: it runs on a clock set
# to SOURCE_DATE_EPOCH, and msibuild then sets the package code. The files'
# own times (SOURCE_DATE_EPOCH's too) go into the cabinet as they are: a
# libfaketime that also fakes stat (Debian 13's) would shift them by how far
# the real clock has moved since, different in every build.
# A 32-bit program installs into Program Files on 32-bit Windows and into
# Program Files (x86) on 64-bit Windows.
if(ARCH STREQUAL x86_64)
    set(wixl_arch x64)
    set(win64 yes)
    set(program_files ProgramFiles64Folder)
    set(platform x64)
else()
    set(wixl_arch x86)
    set(win64 no)
    set(program_files ProgramFilesFolder)
    set(platform Intel)
endif()
include(${SOURCE}/cmake/maker.cmake)
foreach(tool wixl msibuild faketime)
    find_program(${tool}_program ${tool} REQUIRED)
endforeach()
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not set (make windows sets it)")
endif()
get_filename_component(scratch ${OUTPUT} DIRECTORY)
set(scratch ${scratch}/msi)
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${scratch})

# Everything beside the program, each file a component of its own, named
# after its path. (wixl-heat names folders at random.)
file(GLOB_RECURSE deployed RELATIVE ${DEPLOY} ${DEPLOY}/*)
list(SORT deployed)
list(REMOVE_ITEM deployed Zerkovan.exe)
set(folders)
foreach(file ${deployed})
    get_filename_component(folder "${file}" DIRECTORY)
    string(MAKE_C_IDENTIFIER "${file}" id)
    string(APPEND components_${folder}
           "      <Component Id=\"c_${id}\" Guid=\"*\" Win64=\"${win64}\">"
           "<File Id=\"f_${id}\" Source=\"$(var.DeployDir)/${file}\" KeyPath=\"yes\"/></Component>\n")
    string(APPEND references "      <ComponentRef Id=\"c_${id}\"/>\n")
    list(APPEND folders "${folder}")
endforeach()
list(REMOVE_DUPLICATES folders)
set(tree "")
foreach(folder ${folders})
    if(folder MATCHES "/")
        message(FATAL_ERROR "${folder}: only one level of folders is made")
    endif()
    string(APPEND tree "      <Directory Id=\"d_${folder}\" Name=\"${folder}\">\n"
                       "${components_${folder}}      </Directory>\n")
endforeach()
file(WRITE ${scratch}/files.wxs "<?xml version=\"1.0\" encoding=\"utf-8\"?>
<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">
  <Fragment>
    <DirectoryRef Id=\"INSTALLDIR\">
${components_}${tree}    </DirectoryRef>
    <ComponentGroup Id=\"DeployedFiles\">
${references}    </ComponentGroup>
  </Fragment>
</Wix>
")

set(hashes "${VERSION}")
foreach(file Zerkovan.exe ${deployed})
    file(SHA256 ${DEPLOY}/${file} hash)
    string(APPEND hashes " ${file}=${hash}")
endforeach()
foreach(file app/zerkovan.wxs app/zerkovan.ico cmake/msi.cmake window/maker.h)
    file(SHA256 ${SOURCE}/${file} hash)
    string(APPEND hashes " ${file}=${hash}")
endforeach()
set(namespace 27AA1D1D-9E5B-4FAF-BEB3-B388134D085B) # the upgrade code
string(UUID product_code NAMESPACE ${namespace} NAME "Zerkovan ${VERSION}" TYPE SHA1 UPPER)
string(UUID package_code NAMESPACE ${namespace} NAME "${hashes}" TYPE SHA1 UPPER)

# wixl takes sources by paths relative to where it runs, and no others.
file(COPY ${SOURCE}/app/zerkovan.wxs ${SOURCE}/app/zerkovan.ico DESTINATION ${scratch})
file(CREATE_LINK ${DEPLOY} ${scratch}/deploy SYMBOLIC)
string(TIMESTAMP clock "@%Y-%m-%d %H:%M:%S" UTC) # SOURCE_DATE_EPOCH's, in CMake
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC NO_FAKE_STAT=1
                        ${faketime_program} -f ${clock}
                        ${wixl_program} --arch ${wixl_arch} -o ${OUTPUT}
                        -D Version=${VERSION} -D ProductCode=${product_code}
                        -D DeployDir=deploy -D IconFile=zerkovan.ico -D Win64=${win64}
                        -D ProgramFilesFolder=${program_files} -D Maker=${ZERKOVAN_MAKER_ADDRESS}
                        zerkovan.wxs files.wxs
                WORKING_DIRECTORY ${scratch} COMMAND_ERROR_IS_FATAL ANY)
# wixl sets the code page of the summary alone and drops from the tables
# whatever is not ASCII: the database gets its code page, then the refusal.
set(downgrade_message "На компютъра вече е инсталирана по-нова версия на Zerkovan.")
file(WRITE ${scratch}/_ForceCodepage.idt "\r\n\r\n1251\t_ForceCodepage\r\n")
execute_process(COMMAND ${msibuild_program} ${OUTPUT} -i ${scratch}/_ForceCodepage.idt
                        -q "UPDATE `LaunchCondition` SET `Description` = '${downgrade_message}' WHERE `Condition` = 'NOT WIX_DOWNGRADE_DETECTED'"
                        -s "Zerkovan ${VERSION}"
                        ${ZERKOVAN_MAKER_ADDRESS} "${platform};1033" "{${package_code}}"
                COMMAND_ERROR_IS_FATAL ANY)
