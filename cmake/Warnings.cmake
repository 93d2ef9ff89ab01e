# Applied to every target of ours (not to third-party code).
function(qx71_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                           -Woverloaded-virtual -Wimplicit-fallthrough)
  # GCC 12 at -O2/-O3 warns wrongly inside std::string's own copies (GCC bug 105329).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(QX71_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
