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

# The signature search's candidate filter: the implementation the build chose, and the
# portable one wherever that is not it.
add_executable(twin_search_tests ${CMAKE_CURRENT_SOURCE_DIR}/TwinSearchTests.cpp)
target_link_libraries(twin_search_tests PRIVATE
  klarvon_table GTest::gtest_main klarvon_warnings)
gtest_discover_tests(twin_search_tests TEST_PREFIX "chosen.")
set(KLARVON_SOURCE_ROOT ${CMAKE_CURRENT_SOURCE_DIR}/../..)
add_executable(twin_search_portable_tests
  ${CMAKE_CURRENT_SOURCE_DIR}/TwinSearchTests.cpp ${KLARVON_SOURCE_ROOT}/table/portable/TwinSearch.cpp)
target_include_directories(twin_search_portable_tests PRIVATE ${KLARVON_SOURCE_ROOT})
target_link_libraries(twin_search_portable_tests PRIVATE GTest::gtest_main klarvon_warnings)
gtest_discover_tests(twin_search_portable_tests TEST_PREFIX "portable.")
