# Warnings are errors in the project's own code, on GCC and MinGW alike.
function(tavi_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                           -Werror)
endfunction()

# Implicit conversions that may change a value, where the code is free of them already: the
# toolkit-free libraries, on GCC and MinGW (clang's -Wconversion also reports every change of
# sign).
function(tavi_conversion_warnings target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wconversion)
  endif()
endfunction()
