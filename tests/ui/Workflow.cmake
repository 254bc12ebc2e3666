# The editor's workflow end to end on generated executables, offscreen; the test answers
# every dialog, beep and shell request itself.
add_executable(ui_workflow_tests
  ${CMAKE_CURRENT_LIST_DIR}/UiTests.h ${CMAKE_CURRENT_LIST_DIR}/UiTestMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AnsweringDialogs.h ${CMAKE_CURRENT_LIST_DIR}/WorkflowTests.cpp
)
target_link_libraries(ui_workflow_tests PRIVATE
  klarvon_main_window klarvon_about klarvon_controls klarvon_cli_core Qt6::Widgets Qt6::Test
  klarvon_test_support klarvon_warnings)
set_target_properties(ui_workflow_tests PROPERTIES AUTOMOC ON)
add_test(NAME ui_workflow_tests COMMAND ui_workflow_tests)
set_tests_properties(ui_workflow_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
