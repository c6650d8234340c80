guwen_ui_test(commands_test)
guwen_ui_test(hostile_input_test)
guwen_ui_test(monkey_test)

# The real X11 clipboard against another program: a private Xvfb, xclip as
# the other side; skipped where either is missing.
add_executable(clipboard_x11_test clipboard_x11_test.cpp)
target_link_libraries(clipboard_x11_test PRIVATE guwen_ui Qt6::Test guwen_warnings)
add_test(NAME clipboard_x11_test
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/with_xvfb.sh $<TARGET_FILE:clipboard_x11_test>)
set_tests_properties(clipboard_x11_test PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120)
