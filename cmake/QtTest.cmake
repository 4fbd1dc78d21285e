# trayeko_qt_test(name source...): one Qt Test program, registered with ctest.
#
# Every Qt test runs on Qt's offscreen platform, so none needs a display, and with a fixed
# locale, so that no result depends on the machine's settings. This is the one place that sets
# both; `ctest` needs nothing in its environment.
find_package(Qt6 REQUIRED COMPONENTS Test)

function(trayeko_qt_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE Qt6::Test)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8"
    TIMEOUT 300)
endfunction()
