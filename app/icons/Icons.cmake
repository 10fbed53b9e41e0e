# The program's icons are generated at build time by make_icons.cpp, which must run on the
# build machine. In a cross build CMAKE_CXX_COMPILER targets Windows, so the generator is
# compiled with a separate host compiler instead: KEYSTEAD_HOST_CXX, found on the PATH
# (c++, g++ or clang++) unless given with -DKEYSTEAD_HOST_CXX=/path/to/compiler.
#
#   include(app/icons/Icons.cmake)
#   keystead_generate_icons(KEYSTEAD_ICON_DIR)
#   # ${KEYSTEAD_ICON_DIR}/Keystead.ico and ${KEYSTEAD_ICON_DIR}/Suspended.ico
#   add_dependencies(my_target keystead_icons)
#
# The function defines the custom target keystead_icons once; later calls only report the
# folder again.

function(keystead_generate_icons outdir_var)
  get_property(done GLOBAL PROPERTY KEYSTEAD_ICON_DIR SET)
  if(done)
    get_property(outdir GLOBAL PROPERTY KEYSTEAD_ICON_DIR)
    set(${outdir_var} ${outdir} PARENT_SCOPE)
    return()
  endif()

  find_program(KEYSTEAD_HOST_CXX NAMES c++ g++ clang++ NO_CMAKE_FIND_ROOT_PATH
               DOC "C++ compiler for the build machine, used for the icon generator")
  if(NOT KEYSTEAD_HOST_CXX)
    message(FATAL_ERROR "No host C++ compiler (c++, g++ or clang++) found for the icon "
                        "generator; set KEYSTEAD_HOST_CXX.")
  endif()

  set(source ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/make_icons.cpp)
  set(tooldir ${CMAKE_CURRENT_BINARY_DIR}/icon-generator)
  set(outdir ${CMAKE_CURRENT_BINARY_DIR}/icons)
  if(CMAKE_HOST_WIN32)
    set(generator ${tooldir}/make_icons.exe)
  else()
    set(generator ${tooldir}/make_icons)
  endif()
  set(icons ${outdir}/Keystead.ico ${outdir}/Suspended.ico)

  # Not an add_executable target: that would use the (cross) target compiler, and the
  # toolchain's emulator would wrap the command that runs it.
  add_custom_command(
    OUTPUT ${icons}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${tooldir} ${outdir}
    COMMAND ${KEYSTEAD_HOST_CXX} -std=c++17 -O2 -Wall -Wextra -Werror -Wconversion
            -o ${generator} ${source}
    COMMAND ${generator} ${outdir}
    DEPENDS ${source}
    COMMENT "Generating Keystead.ico and Suspended.ico"
    VERBATIM)
  add_custom_target(keystead_icons DEPENDS ${icons})

  set_property(GLOBAL PROPERTY KEYSTEAD_ICON_DIR ${outdir})
  set(${outdir_var} ${outdir} PARENT_SCOPE)
endfunction()
