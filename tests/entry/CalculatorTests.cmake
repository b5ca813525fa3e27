# The calculator's arithmetic, keys and texts: no widgets, plain GoogleTest main.
tavrix_add_test(calculator_model_tests ${CMAKE_CURRENT_LIST_DIR}/CalculatorModelTest.cpp)
target_link_libraries(calculator_model_tests PRIVATE tavrix_entry GTest::gtest_main)

# The window, driven like a person would, on a scripted desktop.
tavrix_add_test(calculator_tests ${CMAKE_CURRENT_LIST_DIR}/CalculatorPopUpTest.cpp)
target_link_libraries(calculator_tests PRIVATE tavrix_entry tavrix_test_support)
