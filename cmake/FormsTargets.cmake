# Helpers shared by every folder's CMakeLists.

# Adds each listed subfolder that has a CMakeLists.txt.
function(forms_add_subdirectories)
  foreach(dir IN LISTS ARGN)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# forms_add_gtest(NAME name SOURCES ... LIBS ... [QT])
# One GoogleTest binary per area, registered with CTest as one test.
# QT: the binary gets the shared main that starts Qt on the offscreen platform.
function(forms_add_gtest)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_QT)
    target_link_libraries(${T_NAME} PRIVATE forms_qt_test_main GTest::gmock)
  else()
    target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main GTest::gmock)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  target_compile_definitions(${T_NAME} PRIVATE
    FORMS_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    FORMS_TEST_OUTPUT_DIR="${PROJECT_BINARY_DIR}/test-output")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "GTEST_COLOR=no")
endfunction()

# forms_add_fuzzer(NAME name SOURCES ... LIBS ...): built only with FORMS_FUZZ.
function(forms_add_fuzzer)
  if(NOT FORMS_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${F_NAME} ${F_SOURCES})
  target_link_libraries(${F_NAME} PRIVATE ${F_LIBS})
  target_link_options(${F_NAME} PRIVATE -fsanitize=fuzzer)
endfunction()

# forms_add_benchmark(NAME name SOURCES ... LIBS ...): built only with FORMS_BENCH.
function(forms_add_benchmark)
  if(NOT FORMS_BENCH)
    return()
  endif()
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${B_NAME} ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE benchmark::benchmark_main ${B_LIBS})
endfunction()
