# The settings file's text: no widgets, plain GoogleTest main.
tavrix_add_test(settings_codec_tests ${CMAKE_CURRENT_LIST_DIR}/SettingsCodecTest.cpp)
target_link_libraries(settings_codec_tests PRIVATE tavrix_settings_codec GTest::gtest_main)
