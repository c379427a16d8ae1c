# Warnings on for every target of ours: call qx_warnings(target).
function(qx_warnings target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX,C>:-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wcast-qual -Wformat=2>)
  if(QX_WERROR)
    target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX,C>:-Werror>)
  endif()
endfunction()
