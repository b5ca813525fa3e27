# A module the program loads by its path the first time it is needed: beside
# the executable in the build tree and in <prefix>/${TAVRIX_MODULE_DIR} when
# installed, as DataPaths looks for it. It shows the program its one entry
# only, and keeps its own copy of everything else it links.
#   tavrix_add_module(<target> <file name> <source>...)
function(tavrix_add_module target file)
  add_library(${target} MODULE ${ARGN})
  get_filename_component(module_name ${file} NAME_WE)
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME ${module_name}
    LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/app
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL -Wl,--no-undefined)
  tavrix_warnings(${target})
  install(TARGETS ${target} LIBRARY DESTINATION ${TAVRIX_MODULE_DIR}
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()
