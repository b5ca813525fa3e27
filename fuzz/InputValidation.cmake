# The numeric input rules alone: QtCore and the number-format hook, no widgets.
tavrix_add_fuzzer(fuzz_input_validation
  ${CMAKE_CURRENT_LIST_DIR}/InputValidationFuzz.cpp
  ${PROJECT_SOURCE_DIR}/entry/OV4_Input_Validation.cpp)
target_include_directories(fuzz_input_validation PRIVATE ${PROJECT_SOURCE_DIR}/entry)
target_link_libraries(fuzz_input_validation PRIVATE tavrix_units Qt6::Core)
tavrix_warnings(fuzz_input_validation)
