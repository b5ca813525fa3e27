# The pure input rules: no widgets, plain GoogleTest main.
tavrix_add_test(entry_input_tests ${CMAKE_CURRENT_LIST_DIR}/InputValidationTest.cpp)
target_link_libraries(entry_input_tests PRIVATE tavrix_entry GTest::gtest_main)

# The rules on real fields, and the right-aligned field, under the offscreen test main.
tavrix_add_test(entry_input_widget_tests ${CMAKE_CURRENT_LIST_DIR}/InputWidgetsTest.cpp)
target_link_libraries(entry_input_widget_tests PRIVATE tavrix_entry tavrix_test_support)
