# Battery, memory and storage readers, over fixture trees under QUILLET_ROOT.
quillet_test(test_power SOURCES test_power.cpp LIBS quillet_platform)
quillet_test(test_memory_disk SOURCES test_memory_disk.cpp LIBS quillet_platform)
