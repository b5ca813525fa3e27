# The numeric input rules (QtCore only), their widget side and the
# right-aligned field.
target_sources(tavrix_entry PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/OV4_Input_Validation.h
  ${CMAKE_CURRENT_LIST_DIR}/OV4_Input_Validation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumericField.h
  ${CMAKE_CURRENT_LIST_DIR}/NumericField.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RightEdit.h
  ${CMAKE_CURRENT_LIST_DIR}/RightEdit.cpp)
