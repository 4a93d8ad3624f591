# Battery, memory and storage readers over /sys and /proc (QUILLET_ROOT aware).
target_sources(quillet_platform PRIVATE
    linux/root.cpp
    linux/power.cpp
    linux/memory.cpp
    linux/disk.cpp
)
