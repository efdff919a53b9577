# Tests of the real desktop (Win32Desktop) under Wine. Every window and icon they use
# lives in the test process itself: Wine does not hand out another process's icons.

# A "dwmapi.dll" planted beside the test program: the colorization library must never
# be loaded from there.
add_library(planted_dwmapi SHARED
  ${CMAKE_CURRENT_LIST_DIR}/planted/PlantedDwmapi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/planted/PlantedDwmapi.def
)
set_target_properties(planted_dwmapi PROPERTIES
  PREFIX ""
  OUTPUT_NAME dwmapi
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/desktop
)
target_compile_options(planted_dwmapi PRIVATE ${TINTARA_WARNINGS})
target_link_options(planted_dwmapi PRIVATE -static)

add_executable(win32_desktop_tests
  ${CMAKE_CURRENT_LIST_DIR}/desktop/TestIcons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop/TestWindows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop/StandInFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop/IconLookupTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop/BoundedIconRequestTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop/MeasureIconTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop/DrawIconTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop/GdiHandleTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop/ColorizationLibraryTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop/PipelineTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/desktop/IconExportTest.cpp
)
set_target_properties(win32_desktop_tests PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/desktop
)
target_include_directories(win32_desktop_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/desktop)
target_link_libraries(win32_desktop_tests PRIVATE tintara_engine tintara_win32 gtest_main)
target_compile_options(win32_desktop_tests PRIVATE ${TINTARA_WARNINGS})
target_link_options(win32_desktop_tests PRIVATE -static)
# The planted library and the stand-in must be in place before the tests run.
add_dependencies(win32_desktop_tests planted_dwmapi dwmapi_standin)

# Run through the cross-compiling emulator (Wine); no discovery, which would start
# Wine at build time.
add_test(NAME win32_desktop COMMAND win32_desktop_tests)
set_tests_properties(win32_desktop PROPERTIES TIMEOUT 240)
