# The .cpp files of one folder and of its subfolders but app/ (a folder of
# windows, made into a library of its own).
function(tervox_sources out folder)
  get_filename_component(folder ${folder} ABSOLUTE)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  file(GLOB nested RELATIVE ${folder} CONFIGURE_DEPENDS ${folder}/*/*.cpp)
  list(FILTER nested EXCLUDE REGEX "^app/")
  foreach(file ${nested})
    list(APPEND sources ${folder}/${file})
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# A library made of every .cpp file of one folder and its subfolders but app/.
# EXCLUDE leaves files of the folder out; QT runs moc on it.
function(tervox_library name folder)
  cmake_parse_arguments(arg "QT" "" "EXCLUDE" ${ARGN})
  tervox_sources(sources ${folder})
  foreach(file ${arg_EXCLUDE})
    list(REMOVE_ITEM sources ${folder}/${file})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    if(arg_QT)
      set_target_properties(${name} PROPERTIES AUTOMOC ON)
    endif()
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
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

# A program of an app/ folder: its windows form the library <library>, which
# the tests link too; main.cpp alone makes the executable <program>.
function(tervox_program program library folder)
  tervox_library(${library} ${folder} QT EXCLUDE main.cpp)
  add_executable(${program} ${folder}/main.cpp)
  target_link_libraries(${program} PRIVATE ${library})
endfunction()

# A test program made of every .cpp file of one folder below tests/ ("editor",
# "editor/app", ...) and of its subfolders but app/, named test_<folder> with
# '/' as '_'. A folder with its own main.cpp (Qt tests, run offscreen) links
# GTest without its main and runs moc on its test windows. TIMEOUT: seconds
# per test (default 300).
function(tervox_test folder)
  cmake_parse_arguments(arg "" "TIMEOUT" "" ${ARGN})
  tervox_sources(sources ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
  if(NOT sources)
    return()
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 300)
  endif()
  string(REPLACE "/" "_" name test_${folder})
  add_executable(${name} ${sources})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${arg_UNPARSED_ARGUMENTS})
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/main.cpp)
    target_link_libraries(${name} PRIVATE GTest::gtest)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
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
    PROPERTIES TIMEOUT ${arg_TIMEOUT} ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
