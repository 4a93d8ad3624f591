# The framework, the skin and the monitor screen.
quillet_test(test_framework_string SOURCES test_framework_string.cpp LIBS quillet_framework quillet_res)
quillet_test(test_skin_colour_file GUI SOURCES test_skin_colour_file.cpp)
quillet_test(test_skin_paths GUI SOURCES test_skin_paths.cpp)
quillet_test(test_percent GUI SOURCES test_percent.cpp)
quillet_test(test_controls GUI SOURCES test_controls.cpp)
quillet_test(test_monitor_view GUI SOURCES test_monitor_view.cpp)
quillet_test(test_startup GUI SOURCES test_startup.cpp)
