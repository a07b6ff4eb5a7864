# Compiler flags shared by every target of the project.
add_library(lyrabox_options INTERFACE)
target_compile_options(lyrabox_options INTERFACE -Wall -Wextra -Wshadow -Wnon-virtual-dtor)
target_compile_definitions(lyrabox_options INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_KEYWORDS QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(LYRABOX_WERROR)
  target_compile_options(lyrabox_options INTERFACE -Werror)
endif()
if(LYRABOX_SANITIZE)
  target_compile_options(lyrabox_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(lyrabox_options INTERFACE -fsanitize=address,undefined)
endif()

# Adds a GoogleTest executable and registers it with CTest under the given labels.
#   lyrabox_add_test(NAME name SOURCES a.cpp b.cpp LABELS unit [LIBS extra] [TIMEOUT s])
function(lyrabox_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LABELS;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE lyrabox_platform lyrabox_testsupport GTest::gtest GTest::gmock ${T_LIBS})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}" TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LYRABOX_TEST_TMP=${CMAKE_BINARY_DIR}/test-tmp")
endfunction()
