# The `package` target makes what a user downloads, in build/<preset>/packages/:
#   ColourPicker-<version>-portable.zip  the program folder, to unpack anywhere
#   ColourPicker-<version>-setup.exe     an installer of the same folder (NSIS)
# Both are made from the built .exe and the files in package/, so they cannot drift from what the
# build folder runs. The .exe is the one built with PICKER_WEB_BASE, never the end-to-end tests'
# copy; a loopback or plain-http address there is refused.
find_program(PICKER_MAKENSIS makensis)

set(PICKER_PACKAGE_DIR ${CMAKE_BINARY_DIR}/packages)
set(PICKER_PORTABLE_ZIP ${PICKER_PACKAGE_DIR}/ColourPicker-${PROJECT_VERSION}-portable.zip)
set(PICKER_SETUP_EXE ${PICKER_PACKAGE_DIR}/ColourPicker-${PROJECT_VERSION}-setup.exe)

file(GLOB_RECURSE picker_shipped_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/package/*)
add_custom_command(
  OUTPUT ${PICKER_PORTABLE_ZIP} ${PICKER_SETUP_EXE}
  COMMAND ${CMAKE_COMMAND}
    -D EXE=$<TARGET_FILE:ColourPicker>
    -D SHIPPED=${CMAKE_SOURCE_DIR}/package
    -D VERSION=${PROJECT_VERSION}
    -D OUT=${PICKER_PACKAGE_DIR}
    -D NSI=${CMAKE_SOURCE_DIR}/installer/ColourPicker.nsi
    -D MAKENSIS=${PICKER_MAKENSIS}
    -D WEB_BASE=${PICKER_WEB_BASE}
    -P ${CMAKE_SOURCE_DIR}/cmake/MakePackages.cmake
  DEPENDS ColourPicker ${picker_shipped_files}
    ${CMAKE_SOURCE_DIR}/installer/ColourPicker.nsi ${CMAKE_SOURCE_DIR}/cmake/MakePackages.cmake
  COMMENT "Packing the portable zip and the installer"
  VERBATIM)
add_custom_target(package DEPENDS ${PICKER_PORTABLE_ZIP} ${PICKER_SETUP_EXE})
