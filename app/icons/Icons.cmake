# The program's icons are generated at build time by make_icons.cpp, on the build machine.
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

  set(outdir ${CMAKE_CURRENT_BINARY_DIR}/icons)
  set(icons ${outdir}/Keystead.ico ${outdir}/Suspended.ico)
  file(MAKE_DIRECTORY ${outdir})
  keystead_host_tool(make_icons SOURCE ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/make_icons.cpp
                     OUTPUT ${icons} ARGS ${outdir}
                     COMMENT "Generating Keystead.ico and Suspended.ico")
  add_custom_target(keystead_icons DEPENDS ${icons})

  set_property(GLOBAL PROPERTY KEYSTEAD_ICON_DIR ${outdir})
  set(${outdir_var} ${outdir} PARENT_SCOPE)
endfunction()
