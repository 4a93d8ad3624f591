# The registry hive (SQLite) and the debug output its wrapper writes.
target_sources(quillet_platform PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/linux/debug.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linux/registry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linux/registry_store.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linux/registry_value.cpp
    ${CMAKE_CURRENT_LIST_DIR}/linux/sql_statement.cpp
)
target_link_libraries(quillet_platform PRIVATE SQLite::SQLite3)
