# Tests of the real profile files, per-user registry, program facts and message boxes
# (the settings half of Win32Desktop) under Wine. Registry tests use a key of their
# own, never the start-up list; files live in a temporary folder, except the settings
# file the program itself writes beside the test program. All are removed afterwards.
# The message box tests need a display (the test command runs under Xvfb).
add_executable(win32_settings_tests
  ${CMAKE_CURRENT_LIST_DIR}/settings/TestPlaces.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings/MessageBoxWatcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings/ProfileTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings/RegistryTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings/ProgramTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings/MessageBoxTest.cpp
)
set_target_properties(win32_settings_tests PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/settings
)
target_include_directories(win32_settings_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/settings)
target_link_libraries(win32_settings_tests PRIVATE tintara_startup tintara_engine tintara_win32
  gtest_main)
target_compile_options(win32_settings_tests PRIVATE ${TINTARA_WARNINGS})
target_link_options(win32_settings_tests PRIVATE -static)

add_test(NAME win32_settings COMMAND win32_settings_tests --gtest_filter=-*OnAGermanSystem)
set_tests_properties(win32_settings PROPERTIES TIMEOUT 240)

# The program's boxes keep their English buttons where the system's own are German.
add_test(NAME win32_messagebox_german
  COMMAND win32_settings_tests --gtest_filter=*OnAGermanSystem)
set_tests_properties(win32_messagebox_german PROPERTIES
  TIMEOUT 120
  ENVIRONMENT "LANG=de_DE.UTF-8;LC_ALL=de_DE.UTF-8")

# Wine run by root writes through read-only files, so that refusal is tested again as
# an unprivileged user (see the script).
add_test(NAME win32_settings_read_only
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/settings/run-unprivileged.sh
          $<TARGET_FILE:win32_settings_tests> --gtest_filter=Win32Profile.AReadOnlyFileRefusesTheWrite)
set_tests_properties(win32_settings_read_only PROPERTIES
  TIMEOUT 240
  ENVIRONMENT "TINTARA_BUILD_DIR=${CMAKE_BINARY_DIR}"
)
