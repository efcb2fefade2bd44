# Warnings are errors in our own code only; third-party code keeps its own flags.
function(picker_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    -Wno-sign-conversion -Werror)
  # GCC 12 reports std::string assignments at -O3 as overlapping copies (its bug 105329).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  # In a batch of files (CMAKE_UNITY_BUILD) GCC takes a test's fixture in an anonymous namespace
  # for one in a header.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_UNITY_BUILD)
    target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
  endif()
endfunction()
