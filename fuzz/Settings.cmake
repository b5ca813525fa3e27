# The settings file's reader and writer. The codec library comes from the
# main window's folder; when that folder is not part of the build, its list
# of sources is taken in here. It needs QtCore, so only with the Qt parts.
if(TAVRIX_WITH_GUI)
  if(NOT TARGET tavrix_settings_codec)
    include(${CMAKE_CURRENT_SOURCE_DIR}/../mainform/SettingsCodec.cmake)
  endif()
  tavrix_add_fuzzer(fuzz_settings SettingsFuzz.cpp)
  target_link_libraries(fuzz_settings PRIVATE tavrix_settings_codec)
endif()
