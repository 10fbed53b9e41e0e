# Files made at build time by a small program of the project that runs on the build machine.
# In a cross build CMAKE_CXX_COMPILER targets Windows, so such a program is compiled with a
# separate host compiler instead: KEYSTEAD_HOST_CXX, found on the PATH (c++, g++ or clang++)
# unless given with -DKEYSTEAD_HOST_CXX=/path/to/compiler. Not an add_executable target: that
# would use the (cross) target compiler, and the toolchain's emulator would wrap the command
# that runs it.
#
#   keystead_host_tool(make_icons SOURCE app/icons/make_icons.cpp
#                      OUTPUT ${dir}/Keystead.ico ARGS ${dir} DEPENDS ... COMMENT "...")
#
# compiles SOURCE (the project root on its include path, DEPENDS the headers it reads) and
# runs it with ARGS to make OUTPUT.

find_program(KEYSTEAD_HOST_CXX NAMES c++ g++ clang++ NO_CMAKE_FIND_ROOT_PATH
             DOC "C++ compiler for the build machine, used for the programs that make files")

function(keystead_host_tool name)
  cmake_parse_arguments(PARSE_ARGV 1 tool "" "SOURCE;COMMENT" "OUTPUT;ARGS;DEPENDS")
  if(NOT KEYSTEAD_HOST_CXX)
    message(FATAL_ERROR "No host C++ compiler (c++, g++ or clang++) found for ${name}; set "
                        "KEYSTEAD_HOST_CXX.")
  endif()
  set(tooldir ${CMAKE_BINARY_DIR}/host-tools)
  set(program ${tooldir}/${name})
  if(CMAKE_HOST_WIN32)
    set(program ${program}.exe)
  endif()
  add_custom_command(
    OUTPUT ${tool_OUTPUT}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${tooldir}
    COMMAND ${KEYSTEAD_HOST_CXX} -std=c++20 -O2 -Wall -Wextra -Werror -Wconversion
            -I${PROJECT_SOURCE_DIR} -o ${program} ${tool_SOURCE}
    COMMAND ${program} ${tool_ARGS}
    DEPENDS ${tool_SOURCE} ${tool_DEPENDS}
    COMMENT ${tool_COMMENT}
    VERBATIM)
endfunction()
