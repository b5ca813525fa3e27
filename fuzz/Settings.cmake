# The settings file's reader and writer; the codec needs QtCore, so only with
# the Qt parts.
if(TAVRIX_WITH_GUI)
  tavrix_add_fuzzer(fuzz_settings SettingsFuzz.cpp)
  target_link_libraries(fuzz_settings PRIVATE tavrix_settings_codec)
endif()
