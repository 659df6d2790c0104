# Every Kestro target gets the same warnings; call kestro_warnings(target).
function(kestro_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
endfunction()
