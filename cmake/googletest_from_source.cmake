# GoogleTest built from the sources Debian ships with libgtest-dev, for a target whose
# prebuilt library the machine does not have (the 32-bit x86 build of the cores). Its targets
# carry the installed package's names (GTest::gtest, GTest::gtest_main).
set(googletest_source /usr/src/googletest/googletest)
if(NOT EXISTS "${googletest_source}/CMakeLists.txt")
  message(FATAL_ERROR "GoogleTest's sources are not in ${googletest_source} (libgtest-dev)")
endif()
add_subdirectory("${googletest_source}" "${PROJECT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
# GCC 12 warns of an impossible overlap in GoogleTest's own URL encoding (a known false
# positive of -Wrestrict in 32-bit builds); the warning is not ours to mend.
target_compile_options(gtest PRIVATE -Wno-restrict)
