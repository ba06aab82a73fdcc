# Warnings are errors for our own code; third-party headers come in as
# system includes through their imported targets.
function(sayora_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# A Qt Test executable run headless by CTest.
#   sayora_add_test(NAME name SOURCES a.cpp ... LIBS lib ... [TIMEOUT s] [XVFB])
# XVFB: the test needs a real windowing system (popups, pointer grabs): it
# runs under xvfb-run on the xcb platform and carries the label "xvfb"; all
# others run on the offscreen platform.
find_program(SAYORA_XVFB_RUN xvfb-run)
function(sayora_add_test)
  cmake_parse_arguments(T "XVFB" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  sayora_defaults(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  set(platform offscreen)
  if(T_XVFB)
    set(platform xcb)
    if(SAYORA_XVFB_RUN)
      add_test(NAME ${T_NAME} COMMAND ${SAYORA_XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:${T_NAME}>)
    else()
      message(WARNING "xvfb-run not found: ${T_NAME} will not run (scripts/setup.sh installs it)")
      add_test(NAME ${T_NAME} COMMAND ${T_NAME})
      set_tests_properties(${T_NAME} PROPERTIES DISABLED TRUE)
    endif()
    set_tests_properties(${T_NAME} PROPERTIES LABELS xvfb)
  else()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES
    TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=${platform};SAYORA_PROGRAM_DIR=${CMAKE_BINARY_DIR}/bin;ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()

# A library under reader/ is included as "<its folder>/name.h", and only by
# the targets that link it: each folder gets an include root of its own in
# the build tree (a link to the folder), so a library that reaches into a
# folder it does not link fails to compile. The layering the folders show
# is the one the compiler enforces.
function(sayora_reader_headers target)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(root ${CMAKE_BINARY_DIR}/include/reader-${folder})
  if(NOT EXISTS ${root}/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
