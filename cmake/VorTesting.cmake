# Test helpers shared by every test folder.
enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

# vor_add_gtest(name SOURCES ... LIBS ... [POLISH_LOCALE])
# An engine test under GoogleTest. With POLISH_LOCALE every case runs a second
# time under pl_PL.UTF-8, where a decimal comma would leak into number text.
function(vor_add_gtest name)
  cmake_parse_arguments(ARG "POLISH_LOCALE" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "LC_ALL=C.UTF-8"
    DISCOVERY_TIMEOUT 60)
  if(ARG_POLISH_LOCALE)
    gtest_discover_tests(${name}
      TEST_SUFFIX ".pl_PL"
      PROPERTIES ENVIRONMENT "LC_ALL=pl_PL.UTF-8"
      DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# vor_add_qttest(name SOURCES ... LIBS ...)
# A window test under QtTest, always on the offscreen platform (no display needed)
# and with its own empty home and configuration folders.
function(vor_add_qttest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
  set(home ${CMAKE_CURRENT_BINARY_DIR}/${name}.home)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_RUNTIME_DIR=${home}/run;ASAN_OPTIONS=detect_leaks=0")
  file(MAKE_DIRECTORY ${home}/.config)
  file(MAKE_DIRECTORY ${home}/run)
  # Qt wants its runtime folder private to the user.
  file(CHMOD ${home}/run PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endfunction()
