# Every test runs headless with a private runtime folder.
find_package(GTest REQUIRED)

set(QUORVANE_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/xdg-runtime)
file(MAKE_DIRECTORY ${QUORVANE_TEST_RUNTIME_DIR})
file(CHMOD ${QUORVANE_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

function(quorvane_test_environment test)
  set_tests_properties(${test} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${QUORVANE_TEST_RUNTIME_DIR};QUORVANE_SOURCE_DIR=${CMAKE_SOURCE_DIR};QUORVANE_DATA_DIR=${CMAKE_SOURCE_DIR}/data;LC_ALL=C.UTF-8"
    TIMEOUT 300)
endfunction()

# Run by itself, a test program gets the same data and source folders.
add_library(quorvane_entorno_pruebas OBJECT ${CMAKE_SOURCE_DIR}/tests/EntornoPruebas.cpp)
target_compile_definitions(quorvane_entorno_pruebas PRIVATE
  QUORVANE_DATOS_PRUEBA="${CMAKE_SOURCE_DIR}/data" QUORVANE_FUENTES_PRUEBA="${CMAKE_SOURCE_DIR}")

# quorvane_tests(LIBS lib...): every test_*.cpp of the calling folder becomes a
# GoogleTest program, every tst_*.cpp a Qt Test program, each linked to LIBS.
function(quorvane_tests)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(RELATIVE_PATH rel ${CMAKE_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
  string(REPLACE "/" "_" prefix "${rel}")
  file(GLOB gtests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/test_*.cpp)
  foreach(src IN LISTS gtests)
    get_filename_component(stem ${src} NAME_WE)
    set(name ${prefix}_${stem})
    add_executable(${name} ${src})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} quorvane_entorno_pruebas GTest::gtest GTest::gmock GTest::gtest_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    quorvane_test_environment(${name})
  endforeach()
  file(GLOB qtests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  foreach(src IN LISTS qtests)
    get_filename_component(stem ${src} NAME_WE)
    set(name ${prefix}_${stem})
    add_executable(${name} ${src})
    set_target_properties(${name} PROPERTIES AUTOMOC ON RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} quorvane_entorno_pruebas Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    quorvane_test_environment(${name})
  endforeach()
endfunction()
