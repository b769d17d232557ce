# Shared helpers: every folder contributes its sources by globbing, so adding
# a file never means editing a list.

function(vx_glob_sources out)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      "${CMAKE_SOURCE_DIR}/${dir}/*.cpp")
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(vx_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
      -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
      -Woverloaded-virtual -Wimplicit-fallthrough)
    if(VX_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      # GCC's flow analysis sees the sanitizers' checks and reports values
      # as maybe uninitialised that are not; the plain build keeps the warning.
      target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized)
    endif()
    if(VX_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()
