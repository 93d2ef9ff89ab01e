# Applied to every target of ours (not to third-party code).
function(qx71_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                           -Woverloaded-virtual -Wimplicit-fallthrough)
  if(QX71_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
