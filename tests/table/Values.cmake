# Record layout, value codes and number texts: pure functions, no files.
add_executable(table_values_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/RecordTests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ValueCodesTests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/TextConversionsTests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/FloatRoundTripTests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/Utf16TextTests.cpp
)
target_link_libraries(table_values_tests PRIVATE
  klarvon_table GTest::gtest_main klarvon_test_support klarvon_warnings)
gtest_discover_tests(table_values_tests)
