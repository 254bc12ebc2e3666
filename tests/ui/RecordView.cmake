# The main window's window-free logic: record view, entry filter, error box text.
# Plain GoogleTest, no Qt and no display.
add_executable(ui_record_view_tests
  ${CMAKE_CURRENT_LIST_DIR}/RecordViewTests.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EntryAndErrorTextTests.cpp
)
target_link_libraries(ui_record_view_tests PRIVATE
  klarvon_record_view klarvon_table GTest::gtest_main klarvon_test_support klarvon_warnings)
set_target_properties(ui_record_view_tests PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
gtest_discover_tests(ui_record_view_tests)
