# The package step's check of the web address a program was built with: one that reaches this
# machine is refused, and so is plain http; any other passes on to the next check, of the .exe's
# own bytes, which a stand-in .exe holding a loopback address then stops. Run with -D MAKE_PACKAGES=<MakePackages.cmake>.
set(work ${CMAKE_CURRENT_BINARY_DIR}/refuses-loopback)
file(MAKE_DIRECTORY ${work})
file(WRITE ${work}/stand-in.exe "MZ http://127.0.0.1:47251")

function(expect web_base stop)
  execute_process(COMMAND ${CMAKE_COMMAND} -D EXE=${work}/stand-in.exe -D SHIPPED=${work} -D VERSION=1.0.0
      -D OUT=${work} -D NSI=none -D MAKENSIS=none "-D WEB_BASE=${web_base}" -P ${MAKE_PACKAGES}
    RESULT_VARIABLE result ERROR_VARIABLE error)
  # CMake wraps its messages.
  string(REGEX REPLACE "[ \n]+" " " error "${error}")
  if(result EQUAL 0 OR NOT error MATCHES "${stop}")
    message(SEND_ERROR "'${web_base}' should stop at '${stop}':\n${error}")
  endif()
endfunction()

foreach(base http://localhost HTTP://LocalHost.:80/x https://a.localhost http://127.0.0.1:47251 http://127.1
    http://2130706433 http://0x7f000001 http://0177.0.0.1/ http://0.0.0.0 http://[::1]:8080/ http://[::]/
    http://[::ffff:127.0.0.1]/ http://me@127.0.0.1/)
  expect("${base}" "which is this machine")
endforeach()
foreach(base http://maker.example HTTP://10.0.0.1:8080/p http://[2001:db8::1]/ "http://https.example/https://")
  expect("${base}" "which is not https")
endforeach()
foreach(base "" https://maker.example HTTPS://10.0.0.1:8080/p https://[2001:db8::1]/ https://localhost.example.com)
  expect("${base}" "holds a loopback address")
endforeach()
