# The pure input rules: no widgets, plain GoogleTest main.
tavrix_add_test(entry_input_tests ${CMAKE_CURRENT_LIST_DIR}/InputValidationTest.cpp)
target_link_libraries(entry_input_tests PRIVATE tavrix_entry GTest::gtest_main)
