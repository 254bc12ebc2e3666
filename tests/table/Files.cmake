# File access and table locator tests, with the error texts they end in. They build their
# own files in private temporary folders; the large-file cases use sparse files, so they
# need no disk room.
add_executable(table_file_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/LocatorTests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/RecordFileTests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/LargeFileTests.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/InOutErrorTests.cpp
)
target_link_libraries(table_file_tests PRIVATE
  klarvon_table GTest::gtest_main klarvon_test_support klarvon_warnings)
gtest_discover_tests(table_file_tests)

# The signature search's candidate filter, every implementation this processor can run.
add_executable(twin_search_tests ${CMAKE_CURRENT_SOURCE_DIR}/TwinSearchTests.cpp)
target_link_libraries(twin_search_tests PRIVATE
  klarvon_table GTest::gtest_main klarvon_test_support klarvon_warnings)
gtest_discover_tests(twin_search_tests)
