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
if(NOT WIN32)
  # Faults caused for real: a second process, a small mounted file system, the system's
  # file size limit.
  target_sources(table_file_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/WriteSafetyTests.cpp)
endif()
gtest_discover_tests(table_file_tests)
