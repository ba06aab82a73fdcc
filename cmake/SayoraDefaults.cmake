# Warnings are errors for our own code; third-party headers come in as
# system includes through their imported targets.
function(sayora_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# A Qt Test executable run headless by CTest.
#   sayora_add_test(NAME name SOURCES a.cpp ... LIBS lib ... [TIMEOUT s])
function(sayora_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  sayora_defaults(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SAYORA_PROGRAM_DIR=${CMAKE_BINARY_DIR}/bin;ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()
