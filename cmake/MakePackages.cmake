# Makes the portable zip and the installer from the built program (run by the `package` target):
#   cmake -D EXE=ColourPicker.exe -D SHIPPED=package -D VERSION=1.2.3 -D OUT=dir -D NSI=installer.nsi
#         -D MAKENSIS=makensis -D WEB_BASE=https://maker.example -P MakePackages.cmake
# WEB_BASE is the web address the program was built with (empty: none); a program that ships
# fetches over https only.
# The program folder is staged as ColourPicker-<version>, the one folder the zip holds, so that
# unpacking a new version beside an old one never lands on the old one's path.ini.
foreach(var EXE SHIPPED VERSION OUT NSI)
  if(NOT ${var})
    message(FATAL_ERROR "MakePackages: ${var} is not set")
  endif()
endforeach()
if(NOT MAKENSIS)
  message(FATAL_ERROR "MakePackages: makensis is not installed (scripts/setup.sh installs it)")
endif()

# A program that fetches from this machine would send every user's requests and browser to a port
# of their own computer: the address must name a site elsewhere, or be empty.
if(WEB_BASE)
  string(TOLOWER "${WEB_BASE}" host)
  string(REGEX REPLACE "^[a-z]+://([^/?#]*).*$" "\\1" host "${host}")
  string(REGEX REPLACE "^.*@" "" host "${host}")
  if(host MATCHES "^\\[")
    string(REGEX REPLACE "^(\\[[^]]*\\]).*$" "\\1" host "${host}")
  else()
    string(REGEX REPLACE ":[0-9]*$" "" host "${host}")
    string(REGEX REPLACE "\\.$" "" host "${host}")
  endif()
  # Names and numbers that reach this machine: localhost, 127.0.0.0/8 however written (127.1,
  # 2130706433, 0x7f000001, 0177.0.0.1), 0.0.0.0, and IPv6's ::1, :: and 127 mapped.
  if(host STREQUAL "" OR host STREQUAL "localhost" OR host MATCHES "\\.localhost$" OR host MATCHES "^127\\."
     OR host MATCHES "^[0-9]+$" OR host MATCHES "^0[0-9x.]"
     OR host MATCHES "^\\[(0*:)*:?0*1?\\]$" OR host MATCHES "^\\[::ffff:(127\\.|7f)")
    message(FATAL_ERROR "MakePackages: the program was built to fetch from ${WEB_BASE}, which is this machine; "
      "configure PICKER_WEB_BASE with the maker's site (or empty) before making the packages")
  endif()
  # A plain-http page can be changed on its way to the user: the ticker's links and the picture
  # page with them.
  string(TOLOWER "${WEB_BASE}" scheme)
  if(NOT scheme MATCHES "^https://")
    message(FATAL_ERROR "MakePackages: the program was built to fetch from ${WEB_BASE}, which is not https; "
      "configure PICKER_WEB_BASE with the maker's https:// address (or empty) before making the packages")
  endif()
endif()
# And the .exe itself, should it be some other build's (the end-to-end tests' copy, for one).
file(STRINGS ${EXE} loopback REGEX "127\\.0\\.0\\.1|[Ll][Oo][Cc][Aa][Ll][Hh][Oo][Ss][Tt]" LIMIT_COUNT 1)
if(loopback)
  message(FATAL_ERROR "MakePackages: ${EXE} holds a loopback address (${loopback}); it is no program to ship")
endif()

set(folder ColourPicker-${VERSION})
set(stage ${OUT}/stage)
set(zip ${OUT}/${folder}-portable.zip)
set(setup ${OUT}/${folder}-setup.exe)

file(REMOVE_RECURSE ${stage})
file(REMOVE ${zip} ${setup})
file(COPY ${SHIPPED}/ DESTINATION ${stage}/${folder})
file(COPY ${EXE} DESTINATION ${stage}/${folder})

execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${folder}
  WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)

# The installer copies, and its uninstaller deletes, exactly the staged files: the lists are
# written from one walk of the folder. path.ini is left to the installer script, which never
# overwrites the user's own and asks before deleting it.
file(GLOB_RECURSE files RELATIVE ${stage}/${folder} ${stage}/${folder}/*)
list(REMOVE_ITEM files path.ini)
list(SORT files)
set(install "!macro InstallProgramFiles\n")
set(uninstall "!macro UninstallProgramFiles\n")
set(dirs "")
set(current_dir "-")
foreach(file IN LISTS files)
  get_filename_component(dir ${file} DIRECTORY)
  string(REPLACE / \\ win_file ${file})
  string(REPLACE / \\ win_dir "${dir}")
  if(NOT dir STREQUAL current_dir)
    set(current_dir "${dir}")
    if(dir)
      string(APPEND install "  SetOutPath \"$INSTDIR\\${win_dir}\"\n")
    else()
      string(APPEND install "  SetOutPath \"$INSTDIR\"\n")
    endif()
    while(dir)
      string(REPLACE / \\ win_dir "${dir}")
      list(APPEND dirs ${win_dir})
      get_filename_component(dir ${dir} DIRECTORY)
    endwhile()
  endif()
  string(APPEND install "  File \"${folder}/${file}\"\n")
  string(APPEND uninstall "  Delete \"$INSTDIR\\${win_file}\"\n")
endforeach()
# Deepest folders first; RMDir without /r leaves a folder that still holds something of the user's.
list(REMOVE_DUPLICATES dirs)
list(SORT dirs ORDER DESCENDING)
foreach(dir IN LISTS dirs)
  string(APPEND uninstall "  RMDir \"$INSTDIR\\${dir}\"\n")
endforeach()
string(APPEND install "  SetOutPath \"$INSTDIR\"\n!macroend\n")
string(APPEND uninstall "!macroend\n")
file(WRITE ${stage}/ProgramFiles.nsh "${install}${uninstall}")

execute_process(
  COMMAND ${MAKENSIS} -V2 -WX -NOCD -INPUTCHARSET UTF8
    -DVERSION=${VERSION} -DVERSION_QUAD=${VERSION}.0 -DFOLDER=${folder} -DOUTFILE=${setup} ${NSI}
  WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
