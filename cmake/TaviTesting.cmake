# tavi_add_test(name SOURCES ... LIBS ...): one GoogleTest executable.
# Natively every test case is its own CTest test; under Wine one process runs the whole
# executable, because each start of a Windows program costs far more than the tests inside it.
function(tavi_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} tavi_test_support GTest::gtest_main)
  tavi_warnings(${name})
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES TIMEOUT 600)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
  endif()
endfunction()
