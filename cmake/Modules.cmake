# A library made of every .cpp file of one folder.
function(tervox_library name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
  else()
    add_library(${name} INTERFACE)
  endif()
  get_target_property(kind ${name} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
  else()
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  endif()
endfunction()

# Links a library built by tervox_library, whatever its type.
function(tervox_link name)
  get_target_property(kind ${name} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_link_libraries(${name} INTERFACE ${ARGN})
  else()
    target_link_libraries(${name} PUBLIC ${ARGN})
  endif()
endfunction()

# A test program made of every .cpp file of one folder below tests/.
# A folder with its own main.cpp (Qt tests) links GTest without its main.
function(tervox_test folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
  if(NOT sources)
    return()
  endif()
  set(name test_${folder})
  add_executable(${name} ${sources})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARGN})
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/main.cpp)
    target_link_libraries(${name} PRIVATE GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  target_compile_definitions(${name} PRIVATE
    TERVOX_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TERVOX_BIN_DIR="${CMAKE_BINARY_DIR}/bin"
    TERVOX_TEST_DIR="${CMAKE_BINARY_DIR}/tests")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    PROPERTIES TIMEOUT 300 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
