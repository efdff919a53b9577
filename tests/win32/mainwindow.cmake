# Tests of the toolkit's Win32 backend and of the main window as the program shows it,
# under Wine on the virtual display: outline, dragging, the colour dialog, hover and
# hints, the pixels on screen, and the About window opened from it. Everything runs inside the test process, which
# embeds the program's resources (pictures, icons, manifest).
add_executable(win32_mainwindow_tests
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/MainWindowHarness.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/ScreenPixels.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/SyntheticInput.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/DialogWatcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/WindowShapeTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/DragTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/ColorDialogTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/ScreenTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/HoverTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/HintTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/CanvasTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/BackendTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/AboutWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow/MemoWindowTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop/TestIcons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop/TestWindows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop/StandInFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings/MessageBoxWatcher.cpp
  ${PROJECT_SOURCE_DIR}/assets/tintara.rc
)
set_target_properties(win32_mainwindow_tests PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/mainwindow
)
target_include_directories(win32_mainwindow_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/mainwindow
  ${CMAKE_CURRENT_LIST_DIR}/desktop
  ${CMAKE_CURRENT_LIST_DIR}/settings
)
target_link_libraries(win32_mainwindow_tests PRIVATE
  tintara_forms tintara_widgets_win32 tintara_engine tintara_win32 gtest_main)
target_compile_options(win32_mainwindow_tests PRIVATE ${TINTARA_WARNINGS})
target_link_options(win32_mainwindow_tests PRIVATE -static)
add_dependencies(win32_mainwindow_tests dwmapi_standin)

add_test(NAME win32_mainwindow COMMAND win32_mainwindow_tests)
set_tests_properties(win32_mainwindow PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
