# The program: a library that the executable and the tests share, and a thin main.
add_library(quillet_program OBJECT
    app/MainFrame.cpp
    app/QuilletApp.cpp
    app/QuilletDoc.cpp
    memory/MemoryDlg.cpp
    memory/TaskList.cpp
    browser/FolderBrowserDlg.cpp
    browser/FolderTree.cpp
    browser/FolderWalk.cpp
    monitor/QuickActions.cpp
    monitor/QuilletView.cpp
    monitor/Readouts.cpp
    skin/ImageButton.cpp
    skin/LevelBar.cpp
    skin/Readout.cpp
    skin/SkinAboutDlg.cpp
    skin/SkinDialog.cpp
    skin/SkinDrawing.cpp
    skin/SkinColourFile.cpp
    skin/SkinPaths.cpp
    settings/SettingsDlg.cpp
)
target_include_directories(quillet_program PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quillet_program PUBLIC quillet_framework quillet_res quillet_support)
target_precompile_headers(quillet_program PRIVATE ${QUILLET_STD_HEADERS})

add_executable(quillet app/main.cpp)
target_link_libraries(quillet PRIVATE quillet_program quillet_res)

# The default skin sits beside the program, in the build as in the install.
add_custom_command(TARGET quillet POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/skins/Default $<TARGET_FILE_DIR:quillet>/Skins/Default)
