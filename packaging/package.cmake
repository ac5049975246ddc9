# Makes the two release artifacts from the built program: Vantrel-<version>-setup.exe (NSIS) and
# Vantrel-<version>-portable.zip, both holding the same files. Given a certificate (sign.cmake), Vantrel.exe
# is signed before it goes into either, the uninstaller before the installer embeds it, and the installer
# last. Run by the `package` target:
#   cmake -DVANTREL_VERSION=... -DVANTREL_EXE=... -DVANTREL_HELP_FILE=... -DVANTREL_ICON=...
#         -DVANTREL_VERSION_NSH=... -DVANTREL_NSIS_SCRIPT=... -DMAKENSIS_EXECUTABLE=... -DVANTREL_DIST_DIR=...
#         [-DVANTREL_STRIP=...] -P package.cmake
# Only CMake and makensis are needed (and osslsigncode to sign), so it runs on Windows as well as on Linux.
cmake_minimum_required(VERSION 3.20)
include(${CMAKE_CURRENT_LIST_DIR}/sign.cmake)
vantrel_signing_requested(signing)

foreach(var VANTREL_VERSION VANTREL_EXE VANTREL_ICON VANTREL_VERSION_NSH VANTREL_NSIS_SCRIPT MAKENSIS_EXECUTABLE
            VANTREL_DIST_DIR)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        message(FATAL_ERROR "package.cmake: ${var} is not set")
    endif()
endforeach()

set(base_name Vantrel-${VANTREL_VERSION})
set(stage_parent ${VANTREL_DIST_DIR}/stage)
# The zip unpacks into a folder named for the version; the installer takes its files from the same one.
set(stage ${stage_parent}/${base_name})
set(setup ${VANTREL_DIST_DIR}/${base_name}-setup.exe)
set(portable ${VANTREL_DIST_DIR}/${base_name}-portable.zip)

# A stale file from an earlier run must not reach either artifact.
file(REMOVE_RECURSE ${stage_parent})
file(REMOVE ${setup} ${portable})
file(MAKE_DIRECTORY ${stage})
# Both files keep their names: the program is Vantrel.exe and looks for Vantrel.chm beside itself.
file(COPY ${VANTREL_EXE} DESTINATION ${stage})
if(VANTREL_HELP_FILE AND EXISTS ${VANTREL_HELP_FILE})
    file(COPY ${VANTREL_HELP_FILE} DESTINATION ${stage})
endif()
# The shipped program carries no symbols or debug sections (the static runtime brings its own); the
# build's copy keeps them for debugging. MSVC keeps them in a .pdb, and has no strip tool.
if(VANTREL_STRIP)
    execute_process(COMMAND ${VANTREL_STRIP} --strip-all ${stage}/Vantrel.exe RESULT_VARIABLE strip_result)
    if(NOT strip_result EQUAL 0)
        message(FATAL_ERROR "package.cmake: ${VANTREL_STRIP} failed (${strip_result})")
    endif()
endif()
set(nsis_signing)
if(signing)
    vantrel_sign(${stage}/Vantrel.exe "Vantrel")
    set(nsis_signing -DVANTREL_SIGN_SCRIPT=${CMAKE_CURRENT_LIST_DIR}/sign.cmake -DVANTREL_CMAKE=${CMAKE_COMMAND})
endif()

execute_process(
    COMMAND ${MAKENSIS_EXECUTABLE} -V2 -WX
        -DVANTREL_STAGE=${stage}
        -DVANTREL_VERSION_NSH=${VANTREL_VERSION_NSH}
        -DVANTREL_ICON=${VANTREL_ICON}
        -DVANTREL_OUTFILE=${setup}
        ${nsis_signing}
        ${VANTREL_NSIS_SCRIPT}
    RESULT_VARIABLE nsis_result)
if(NOT nsis_result EQUAL 0 OR NOT EXISTS ${setup})
    file(REMOVE ${setup})
    message(FATAL_ERROR "package.cmake: makensis failed (${nsis_result})")
endif()
if(signing)
    vantrel_sign(${setup} "Vantrel ${VANTREL_VERSION} setup")
endif()

execute_process(
    COMMAND ${CMAKE_COMMAND} -E tar cf ${portable} --format=zip ${base_name}
    WORKING_DIRECTORY ${stage_parent}
    RESULT_VARIABLE zip_result)
if(NOT zip_result EQUAL 0 OR NOT EXISTS ${portable})
    message(FATAL_ERROR "package.cmake: the zip could not be written (${zip_result})")
endif()

file(REMOVE_RECURSE ${stage_parent})
foreach(artifact ${setup} ${portable})
    file(SIZE ${artifact} size)
    message(STATUS "${artifact}: ${size} bytes")
endforeach()
