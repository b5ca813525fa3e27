# The settings file's text, kept apart from the window so that tests and the
# fuzzer take it without widgets.
add_library(tavrix_settings_codec STATIC
  ${CMAKE_CURRENT_LIST_DIR}/SettingsCodec.h
  ${CMAKE_CURRENT_LIST_DIR}/SettingsCodec.cpp
)
target_include_directories(tavrix_settings_codec PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tavrix_settings_codec PUBLIC Qt6::Core PRIVATE tavrix_units)
tavrix_warnings(tavrix_settings_codec)
