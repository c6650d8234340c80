# The traditional table: its properties over every cell, and a check that the
# committed table is still what the generator makes of the installed data.

add_executable(traditional_table_test ${CMAKE_CURRENT_LIST_DIR}/traditional_table_test.cpp)
target_link_libraries(traditional_table_test PRIVATE guwen_text GTest::gtest_main guwen_warnings)
gtest_discover_tests(traditional_table_test)

find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
  # The generator exits with 77 when uconv or the Unihan files are missing;
  # the test then shows as skipped with the generator's message.
  add_test(NAME traditional_table_matches_generator
    COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/gen_traditional_table.py --check)
  set_tests_properties(traditional_table_matches_generator PROPERTIES SKIP_RETURN_CODE 77)
else()
  message(STATUS "python3 not found: traditional_table_matches_generator is disabled")
  add_test(NAME traditional_table_matches_generator COMMAND ${CMAKE_COMMAND} -E false)
  set_tests_properties(traditional_table_matches_generator PROPERTIES DISABLED TRUE)
endif()
