# Restart, suspend and the backlight applet: systemd-logind over D-Bus.
target_sources(quillet_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/linux/device.cpp)
# Whether a person sits at standard input (quillet-reg asks before overwriting).
target_sources(quillet_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/linux/console.cpp)
target_link_libraries(quillet_platform PRIVATE Qt6::DBus)
