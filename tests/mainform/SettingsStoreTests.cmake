# The settings file through the real main window: opened, worked, closed and
# opened again on a data folder of its own.
tavrix_add_test(settings_store_tests
  ${CMAKE_CURRENT_LIST_DIR}/SettingsStoreFixture.h
  ${CMAKE_CURRENT_LIST_DIR}/SettingsStoreFixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsRoundTripTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsDamageTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsSpellingTest.cpp
)
target_link_libraries(settings_store_tests PRIVATE tavrix_mainform tavrix_test_support)
