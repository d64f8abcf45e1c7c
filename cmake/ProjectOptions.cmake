# Compiler settings shared by every target of the project.

# Texts inside the program are GBK bytes: sources stay UTF-8, narrow literals
# are compiled to GBK so that a literal and a byte read from the library
# compare directly.
# Clang only knows UTF-8 as execution character set: there every source is
# first rewritten with its non-ASCII characters as octal GBK escapes.
set(JOSEKI_ESCAPE_SOURCES OFF)
if(MSVC)
  set(JOSEKI_CHARSET_FLAGS /source-charset:utf-8 /execution-charset:.936)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(JOSEKI_CHARSET_FLAGS "")
  set(JOSEKI_ESCAPE_SOURCES ON)
else()
  # GB18030 encodes every GBK character with the same bytes and can also hold
  # the few literals of the standard headers that GBK lacks (the "\u00b5s" of
  # <chrono>, which every Qt header pulls in).
  set(JOSEKI_CHARSET_FLAGS -finput-charset=UTF-8 -fexec-charset=GB18030)
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

# joseki_layer_includes(target folder): headers of `folder` are included as
# "folder/Name.h", and the target sees no other folder of the tree; the layers
# below it come with the targets it links, so no layer can include one above.
# The include root holds a single link to the folder.
function(joseki_layer_includes target folder)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# joseki_target_defaults(target [GBK_SOURCES files...]): warnings and the GBK
# execution character set. A layer that keeps its texts in one table names
# that file as its GBK source, and only it is escaped; without the option
# every source of the target is.
function(joseki_target_defaults target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "GBK_SOURCES")
  target_compile_options(${target} PRIVATE ${JOSEKI_WARNING_FLAGS} ${JOSEKI_CHARSET_FLAGS})
  if(JOSEKI_ESCAPE_SOURCES)
    joseki_escape_sources(${target} "${arg_GBK_SOURCES}")
  endif()
endfunction()

# Replaces the target's C++ sources (or only those listed) by copies with GBK octal escapes.
function(joseki_escape_sources target only)
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  get_target_property(binary_dir ${target} BINARY_DIR)
  set(escaped "")
  foreach(source ${sources})
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${source_dir})
    set(listed TRUE)
    if(only)
      list(FIND only ${source} position)
      if(position EQUAL -1)
        set(listed FALSE)
      endif()
    endif()
    if(NOT path MATCHES "\\.cpp$" OR NOT EXISTS ${path} OR NOT listed)
      list(APPEND escaped ${source})
      continue()
    endif()
    get_filename_component(original_dir ${path} DIRECTORY)
    target_include_directories(${target} PRIVATE ${original_dir})
    file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR} ${path})
    set(out ${binary_dir}/gbk-escaped/${relative})
    get_filename_component(out_dir ${out} DIRECTORY)
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
      COMMAND gbk-escape ${path} ${out}
      DEPENDS ${path} gbk-escape
      VERBATIM)
    list(APPEND escaped ${out})
  endforeach()
  set_property(TARGET ${target} PROPERTY SOURCES ${escaped})
endfunction()

if(JOSEKI_ESCAPE_SOURCES)
  add_executable(gbk-escape ${CMAKE_SOURCE_DIR}/tools/gbk-escape/main.cpp)
  target_compile_options(gbk-escape PRIVATE ${JOSEKI_WARNING_FLAGS})
endif()
