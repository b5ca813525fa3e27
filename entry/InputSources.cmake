# The numeric input rules (QtCore only) and their widget side.
target_sources(tavrix_entry PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/OV4_Input_Validation.h
  ${CMAKE_CURRENT_LIST_DIR}/OV4_Input_Validation.cpp)
