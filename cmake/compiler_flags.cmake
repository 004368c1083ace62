# Texts are written as UTF-8 in the sources and stored by the compiler as GBK (code page 936).
function(velmora_target_flags target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /source-charset:utf-8 /execution-charset:.936)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -finput-charset=UTF-8 -fexec-charset=GBK)
  endif()
endfunction()
