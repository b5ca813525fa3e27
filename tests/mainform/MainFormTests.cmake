# The main window driven like a person would, on a scripted desktop.
tavrix_add_test(mainform_layout_tests ${CMAKE_CURRENT_LIST_DIR}/MainFormLayoutTest.cpp)
target_link_libraries(mainform_layout_tests PRIVATE tavrix_mainform tavrix_test_support)
# The picture of the window lands here, for a person to look at.
target_compile_definitions(mainform_layout_tests PRIVATE MAINFORM_SCREENSHOT_DIR="${CMAKE_CURRENT_BINARY_DIR}")

tavrix_add_test(mainform_workflow_tests
  ${CMAKE_CURRENT_LIST_DIR}/ConversionWorkflowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValueButtonsTest.cpp)
target_link_libraries(mainform_workflow_tests PRIVATE tavrix_mainform tavrix_test_support)
