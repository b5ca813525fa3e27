# The calculator: keys, arithmetic, memory file, pictures and the window.
target_sources(tavrix_entry PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CalculatorKeys.h
  ${CMAKE_CURRENT_LIST_DIR}/CalculatorKeys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalculatorNumberText.h
  ${CMAKE_CURRENT_LIST_DIR}/CalculatorNumberText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalculatorModel.h
  ${CMAKE_CURRENT_LIST_DIR}/CalculatorModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalculatorMemoryFile.h
  ${CMAKE_CURRENT_LIST_DIR}/CalculatorMemoryFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalculatorPictures.h
  ${CMAKE_CURRENT_LIST_DIR}/CalculatorPictures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CalculatorPopUp.h
  ${CMAKE_CURRENT_LIST_DIR}/CalculatorPopUp.cpp
)
