# The main window's logic that needs no window: the field-to-control bindings, what a
# record shows and what an apply writes, and the integer-entry filter. Kept apart from
# TForm1 so it is built and tested without Qt.
add_library(klarvon_record_view STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RecordView.h ${CMAKE_CURRENT_LIST_DIR}/RecordView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IntegerEntryFilter.h ${CMAKE_CURRENT_LIST_DIR}/IntegerEntryFilter.cpp
)
target_include_directories(klarvon_record_view PUBLIC ${CMAKE_CURRENT_LIST_DIR}/../..)
target_link_libraries(klarvon_record_view PUBLIC klarvon_table PRIVATE klarvon_warnings)
# No Qt here, whatever the project's defaults say.
set_target_properties(klarvon_record_view PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
