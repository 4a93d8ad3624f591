# The program's own arguments.
quillet_test(test_command_line SOURCES test_command_line.cpp test_reg_process.cpp)
target_compile_definitions(test_command_line PRIVATE QUILLET_VERSION="${PROJECT_VERSION}")
add_dependencies(test_command_line quillet)
