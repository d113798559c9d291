# Warnings are errors in the project's own code, on GCC and MinGW alike.
function(tavi_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                           -Werror)
endfunction()
