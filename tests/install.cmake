# The program's own arguments, and the install tree: cmake --install into a
# temporary prefix, then the installed program run through its bin/ link.
quillet_test(test_command_line SOURCES test_command_line.cpp test_reg_process.cpp)
target_compile_definitions(test_command_line PRIVATE QUILLET_VERSION="${PROJECT_VERSION}")
add_dependencies(test_command_line quillet)

add_executable(check_skin_snapshot check_skin_snapshot.cpp)
target_link_libraries(check_skin_snapshot PRIVATE Qt6::Gui)

add_test(NAME install_tree
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/install_tree.sh ${CMAKE_COMMAND} ${PROJECT_BINARY_DIR} $<TARGET_FILE:check_skin_snapshot>)
