# Compiler settings shared by every target of the project.

# Texts inside the program are GBK bytes: sources stay UTF-8, narrow literals
# are compiled to GBK so that a literal and a byte read from the library
# compare directly.
if(MSVC)
  set(JOSEKI_CHARSET_FLAGS /source-charset:utf-8 /execution-charset:.936)
else()
  set(JOSEKI_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=GBK)
endif()

if(MSVC)
  set(JOSEKI_WARNING_FLAGS /W4)
  if(JOSEKI_WERROR)
    list(APPEND JOSEKI_WARNING_FLAGS /WX)
  endif()
else()
  set(JOSEKI_WARNING_FLAGS -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor)
  if(JOSEKI_WERROR)
    list(APPEND JOSEKI_WARNING_FLAGS -Werror)
  endif()
endif()

if(JOSEKI_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# joseki_target_defaults(target): warnings and the GBK execution character set.
function(joseki_target_defaults target)
  target_compile_options(${target} PRIVATE ${JOSEKI_WARNING_FLAGS} ${JOSEKI_CHARSET_FLAGS})
endfunction()
