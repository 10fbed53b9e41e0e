# One warning policy for every target of the project (not for GoogleTest).
function(keystead_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -Wshadow -Wconversion
                                           -Wno-sign-conversion)
endfunction()

# A library of the project: warnings, and the project root on the include path so that
# headers are named by folder ("toolkit/Timer.h").
function(keystead_library name)
  add_library(${name} STATIC ${ARGN})
  keystead_warnings(${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# A test executable: on Windows builds it runs under Wine through the emulator.
# A test that exits 77 reports itself skipped (32-bit Wine where the kernel cannot run it).
function(keystead_test name)
  add_executable(${name} ${ARGN})
  keystead_warnings(${name})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
endfunction()
