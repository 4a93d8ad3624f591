# Wide string, registry hive, registry wrapper, settings store and quillet-reg.
# Every test sets XDG_CONFIG_HOME to its own temporary folder.
quillet_test(test_lustring SOURCES test_lustring.cpp test_lustring_services.cpp LIBS quillet_support)
quillet_test(test_registry_store SOURCES test_registry_store.cpp LIBS quillet_support)
quillet_test(test_luregistry SOURCES test_luregistry.cpp LIBS quillet_support)
quillet_test(test_settings_store SOURCES test_settings_store.cpp LIBS quillet_support)

# Helpers run as child processes: a writer to kill, and the tool itself.
add_executable(test_reg_writer test_reg_writer.cpp)
target_link_libraries(test_reg_writer PRIVATE quillet_support)

quillet_test(test_quillet_reg SOURCES test_quillet_reg.cpp test_reg_process.cpp LIBS quillet_support)
add_dependencies(test_quillet_reg quillet-reg)
quillet_test(test_reg_crash SOURCES test_reg_crash.cpp test_reg_process.cpp LIBS quillet_support)
add_dependencies(test_reg_crash test_reg_writer quillet-reg)
quillet_test(test_reg_broken_store SOURCES test_reg_broken_store.cpp test_reg_process.cpp LIBS quillet_support)
add_dependencies(test_reg_broken_store quillet-reg)
