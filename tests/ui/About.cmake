# The About window on the real control layer, drawn offscreen; the test answers beeps,
# message boxes and the shell itself.
if(TARGET klarvon_about)
  add_executable(ui_about_tests ${CMAKE_CURRENT_LIST_DIR}/AboutTests.cpp)
  target_link_libraries(ui_about_tests PRIVATE
    klarvon_about klarvon_controls Qt6::Widgets Qt6::Test klarvon_warnings)
  set_target_properties(ui_about_tests PROPERTIES AUTOMOC ON)
  add_test(NAME ui_about_tests COMMAND ui_about_tests)
  set_tests_properties(ui_about_tests PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
endif()
