# A window's layout, a Qt Designer file in resources/, compiled by uic into
# ui_<name>.h for the sources of `target` to include.
#
# A rule of its own rather than AUTOUIC: for a layout kept outside the
# target's folder, AUTOUIC names as its product a header under a path it
# never writes, so Ninja does not know that the header it does write is
# generated. The first build after an edit of the layout then wrote the
# header and compiled nothing; only the next one compiled what includes it.
function(tavrix_window_layout target layout)
  # A build folder made before still holds AUTOUIC's header, in a folder
  # that comes first on the include path: it would hide the one made here.
  get_filename_component(name ${layout} NAME_WE)
  file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/include/ui_${name}.h)
  qt_wrap_ui(header ${layout})
  target_sources(${target} PRIVATE ${header})
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
endfunction()
