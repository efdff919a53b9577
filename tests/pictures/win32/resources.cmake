# Reads the resources of the built tintara.exe under Wine: the icon it shows as its
# own, the icon groups, the pictures, the manifest and the version information.
add_executable(exe_resources_tests
  ${CMAKE_CURRENT_LIST_DIR}/ExeResourcesTest.cpp
)
target_include_directories(exe_resources_tests PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(exe_resources_tests PRIVATE gtest_main version)
target_compile_options(exe_resources_tests PRIVATE ${TINTARA_WARNINGS})
target_compile_definitions(exe_resources_tests PRIVATE UNICODE _UNICODE NOMINMAX)
target_link_options(exe_resources_tests PRIVATE -static)
add_dependencies(exe_resources_tests tintara)

# The program is opened by name from its own folder.
add_test(NAME exe_resources COMMAND exe_resources_tests
         WORKING_DIRECTORY $<TARGET_FILE_DIR:tintara>)
set_tests_properties(exe_resources PROPERTIES TIMEOUT 120)

# The shipped exe, stripped, stays within 1 MiB: a picture stored uncompressed or a
# build setting that keeps unused code would otherwise creep back unnoticed.
if(TINTARA_STRIP_EXE)
  add_test(NAME exe_size
           COMMAND bash -c "size=$(stat -c %s \"$1\"); echo \"tintara.exe: $size bytes\"; [ \"$size\" -le 1048576 ]"
                   exe-size $<TARGET_FILE:tintara>)
endif()
