# Helpers shared by every folder of the project.

set(VJD_GTEST_XML_DIR ${CMAKE_BINARY_DIR}/gtest-xml)
file(MAKE_DIRECTORY ${VJD_GTEST_XML_DIR})

# GoogleTest from Debian's source package, built with this build's own compiler.
macro(vjd_add_googletest)
  set(VJD_GTEST_SRC /usr/src/googletest CACHE PATH "GoogleTest sources")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(${VJD_GTEST_SRC} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endmacro()

# Test programs compile as unity builds: up to VJD_UNITY_BATCH of a program's sources are compiled
# as one translation unit, so that windows.h and GoogleTest are parsed once a batch instead of once
# a file (most of a test file's compile time).  A source that cannot share a unit with the others
# (it defines a name that another file of its program defines too) is listed after UNITY_SKIP.
set(VJD_UNITY_BATCH 8 CACHE STRING "Sources of a test program compiled as one unit (0: all)")
option(VJD_UNITY_TESTS "Compile test programs as unity builds" ON)

# vjd_unity_tests(target [UNITY_SKIP a.cpp ...]): target's sources compile in batches (above).
function(vjd_unity_tests target)
  cmake_parse_arguments(U "" "" "UNITY_SKIP" ${ARGN})
  if(NOT VJD_UNITY_TESTS)
    return()
  endif()
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON
    UNITY_BUILD_BATCH_SIZE ${VJD_UNITY_BATCH})
  if(U_UNITY_SKIP)
    set_source_files_properties(${U_UNITY_SKIP} TARGET_DIRECTORY ${target}
      PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
  endif()
endfunction()

# Where programs run under Wine, the test programs are linked into a few, by what they need of
# the machine: a link of a static debug PE program costs seconds, a start under Wine one more.  A
# name listed here becomes an object library of that name (so that its folder's
# target_include_directories, target_compile_definitions and target_sources still reach it), and
# the program it is listed under links them all.  GoogleTest keeps each case's own name; the report
# and the CTest test are the program's, its time limit the sum of its members'.  VJD_TEST_PROGRAM
# names the program in its sources.  A source that two members name is compiled once, with the
# first member's settings.  A member must not set what only a program has (a working directory or
# output folder, POST_BUILD steps, link options, test properties): such a program stays alone.
# Native programs link in a moment and stay apart.  VJD_JOIN_TEST_PROGRAMS=OFF keeps all apart.
#   logic_tests   the portable code's programs and the stand-ins' windowless ones: no window
#   window_tests  windows of the framework, the grid, the position and configuration windows
#   plugin_tests  the plug-in DLL loaded as a host loads it, with its windows
set(VJD_TEST_PROGRAMS logic_tests window_tests plugin_tests)
set(VJD_TEST_PROGRAM_logic_tests annotation_model_tests apply_test catalog_test command_model_test
  devices_tests framework_core_tests gridlist_rules_tests host_core_tests paraset_model_test
  toolchain_test vjdcfg_tests host_drivers_test host_kernel_test host_kernel_tests)
set(VJD_TEST_PROGRAM_window_tests framework_win_test gridlist_tests dialog_font_test
  signrelapos_test preview_test dlgparaset_test paraset_contents_test vjdcfg_window_test)
# (plugin_launch_test stays alone: its cases leave the window of a command they ended open, as the
# plug-in does, and a later case of another program would find it.)
set(VJD_TEST_PROGRAM_plugin_tests command_user_run_test plugin_exports_test)
if(WIN32)
  option(VJD_JOIN_TEST_PROGRAMS "Link the test programs into the few of VJD_TEST_PROGRAMS" ON)
endif()

# Tests that open no window and so need not wait for the display (see vjd_share_display); the
# end-to-end scripts bring a display and a Wine prefix of their own, which they share.
set(VJD_WINDOWLESS_TESTS logic_tests apply_host_test vjdbase_labels_test vjdcfg_program
  vjdcfg_two_writers vjdcfg_crash_and_full_disk plugin_export_table plugin_export_ordinals
  kernel_export_table)
set(VJD_OWN_DISPLAY_TESTS apply_e2e drawing_change_e2e host_program_e2e keyboard_e2e)

# vjd_test_program(var name): the program that runs the test program `name`'s cases in this build
# (its own, or the one it is linked into), for $<TARGET_FILE:...>.
function(vjd_test_program var name)
  set(program ${name})
  if(VJD_JOIN_TEST_PROGRAMS)
    foreach(group ${VJD_TEST_PROGRAMS})
      if(name IN_LIST VJD_TEST_PROGRAM_${group})
        set(program ${group})
      endif()
    endforeach()
  endif()
  set(${var} ${program} PARENT_SCOPE)
endfunction()

# vjd_add_gtest(name SOURCES a.cpp ... [LIBS x y] [TIMEOUT s] [WORKING_DIRECTORY d]
#               [UNITY_SKIP a.cpp ...])
# One test program, registered as one CTest test.  Its cases are counted from the XML report
# that GoogleTest writes to gtest-xml/<name>.xml; a Windows build's program runs through Wine
# (cmake/wine-run.sh), and counts as skipped (status 77) where the machine cannot run its ABI.
# In a build that joins test programs (above), a listed one becomes part of its program instead.
function(vjd_add_gtest name)
  cmake_parse_arguments(T "" "TIMEOUT;WORKING_DIRECTORY" "SOURCES;LIBS;UNITY_SKIP" ${ARGN})
  vjd_test_program(program ${name})
  if(NOT program STREQUAL name)
    if(T_WORKING_DIRECTORY)
      message(FATAL_ERROR "${name} has a working directory of its own: take it out of "
                          "VJD_TEST_PROGRAM_${program} (cmake/vjd.cmake)")
    endif()
    if(NOT T_TIMEOUT)
      set(T_TIMEOUT 300)
    endif()
    set_property(GLOBAL APPEND PROPERTY VJD_TEST_MEMBERS_${program}_timeouts ${T_TIMEOUT})
    # The program's sources so far: a source named again is left out here.
    get_property(taken GLOBAL PROPERTY VJD_TEST_SOURCES_${program})
    set(sources)
    foreach(source ${T_SOURCES})
      get_filename_component(source ${source} ABSOLUTE)
      if(NOT source IN_LIST taken)
        list(APPEND sources ${source})
        set_property(GLOBAL APPEND PROPERTY VJD_TEST_SOURCES_${program} ${source})
      endif()
    endforeach()
    add_library(${name} OBJECT ${sources})
    target_compile_definitions(${name} PRIVATE VJD_TEST_PROGRAM="${program}")
    target_link_libraries(${name} PUBLIC ${T_LIBS} GTest::gmock GTest::gtest)
    vjd_unity_tests(${name} UNITY_SKIP ${T_UNITY_SKIP})
    if(VJD_NOT_RUN_HERE)
      set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL ON)  # as its program (below)
    endif()
    # An object library's objects reach a program only when the program itself links it.
    foreach(lib ${T_LIBS})
      if(TARGET ${lib})
        get_target_property(type ${lib} TYPE)
        if(type STREQUAL "OBJECT_LIBRARY")
          set_property(GLOBAL APPEND PROPERTY VJD_TEST_MEMBERS_${program}_objects ${lib})
        endif()
      endif()
    endforeach()
    get_property(members GLOBAL PROPERTY VJD_TEST_MEMBERS_${program})
    if(NOT members)
      # Made once every folder has declared its part: at the end of the top folder.
      # (A deferred call reads its arguments when it runs: the name is written into it now.)
      cmake_language(EVAL CODE
        "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL vjd_add_joined_gtest ${program})")
    endif()
    set_property(GLOBAL APPEND PROPERTY VJD_TEST_MEMBERS_${program} ${name})
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  target_compile_definitions(${name} PRIVATE VJD_TEST_PROGRAM="${name}")
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  vjd_unity_tests(${name} UNITY_SKIP ${T_UNITY_SKIP})
  vjd_register_gtest(${name} "${T_TIMEOUT}" "${T_WORKING_DIRECTORY}")
endfunction()

# The program of joined test programs, linking the object libraries of its members.
function(vjd_add_joined_gtest program)
  get_property(members GLOBAL PROPERTY VJD_TEST_MEMBERS_${program})
  get_property(objects GLOBAL PROPERTY VJD_TEST_MEMBERS_${program}_objects)
  list(REMOVE_DUPLICATES objects)
  add_executable(${program})
  target_link_libraries(${program} PRIVATE ${members} ${objects} GTest::gtest_main)
  get_property(timeouts GLOBAL PROPERTY VJD_TEST_MEMBERS_${program}_timeouts)
  string(REPLACE ";" "+" timeouts "${timeouts}")
  math(EXPR timeout "${timeouts}")
  vjd_register_gtest(${program} ${timeout} "")
endfunction()

# The CTest test of one GoogleTest program (see vjd_add_gtest).
function(vjd_register_gtest name timeout working_directory)
  if(NOT VJD_CAN_RUN)
    return()  # only proves that the test program builds and links
  endif()
  if(VJD_NOT_RUN_HERE)
    vjd_add_skipped_test(${name})
    return()
  endif()
  if(NOT timeout)
    set(timeout 300)
  endif()
  if(NOT working_directory)
    set(working_directory ${CMAKE_BINARY_DIR}/bin)
  endif()
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${working_directory})
  set(report ${VJD_GTEST_XML_DIR}/${name}.xml)
  if(WIN32)
    set(report "Z:${report}")  # a Windows program sees the Linux file system as drive Z:
  endif()
  set_tests_properties(${name} PROPERTIES
    LABELS gtest TIMEOUT ${timeout} SKIP_RETURN_CODE 77
    ENVIRONMENT "GTEST_OUTPUT=xml:${report};VJD_SOURCE_DIR=${CMAKE_SOURCE_DIR}")
  vjd_share_display(${name})
endfunction()

# A test of a build whose programs cannot run on this machine (VJD_NOT_RUN_HERE): its program is
# built only when asked for by name, and the test says why it is skipped, as a run would.
function(vjd_add_skipped_test name)
  if(TARGET ${name})
    set_target_properties(${name} PROPERTIES EXCLUDE_FROM_ALL ON)
  endif()
  add_test(NAME ${name} COMMAND sh -c "echo \"$0 not run: $1\"; exit 77" ${name} "${VJD_NOT_RUN_HERE}")
  set_tests_properties(${name} PROPERTIES LABELS skipped SKIP_RETURN_CODE 77)
endfunction()

# Windows programs share the run's one display: focus, capture and synthesised input of one test
# must not reach the windows of another, so those that open windows run one at a time.  Those
# that open none (VJD_WINDOWLESS_TESTS) run beside them; the end-to-end scripts
# (VJD_OWN_DISPLAY_TESTS) each start a display of their own, and wait for each other only, as they
# share one Wine prefix.
function(vjd_share_display name)
  if(NOT WIN32 OR name IN_LIST VJD_WINDOWLESS_TESTS)
    return()
  elseif(name IN_LIST VJD_OWN_DISPLAY_TESTS)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK vjd_e2e_prefix)
  else()
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK vjd_display)
  endif()
endfunction()

# vjd_add_script_test(name script args...): a check written as a shell script; counts as one test,
# skipped when it ends with status 77 (a Windows program this machine cannot run).
function(vjd_add_script_test name script)
  if(VJD_NOT_RUN_HERE)
    vjd_add_skipped_test(${name})
    return()
  endif()
  add_test(NAME ${name} COMMAND bash ${script} ${ARGN} WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES LABELS script TIMEOUT 300 SKIP_RETURN_CODE 77)
  vjd_share_display(${name})
endfunction()

# Adds every subfolder of the current folder that has a CMakeLists.txt, in name order, but those
# named as arguments; each one decides itself which builds it belongs to.
function(vjd_add_subdirectories)
  file(GLOB dirs LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT dirs)
  foreach(dir ${dirs})
    if(dir IN_LIST ARGN)
      continue()
    endif()
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# Every DLL the project builds answers its static C++ runtime's thread calls itself
# (framework/runtime/ModuleThreads.h): the objects of vjd_module_runtime go into each shared
# library of the source tree, a library added later included.  A test build checks the result in
# each of them from its symbol and import tables (tests/toolchain/check_module_runtime.sh): a
# check that runs on every machine, whether or not it runs the build's programs.
function(vjd_link_module_runtime)
  if(NOT TARGET vjd_module_runtime)
    return()
  endif()
  set(modules)
  set(dirs ${CMAKE_SOURCE_DIR})
  while(dirs)
    list(POP_FRONT dirs dir)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    list(APPEND dirs ${subdirs})
    cmake_path(IS_PREFIX CMAKE_SOURCE_DIR "${dir}" in_tree)
    if(NOT in_tree)
      continue()  # GoogleTest's own folder
    endif()
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
      get_target_property(type ${target} TYPE)
      if(type STREQUAL "SHARED_LIBRARY" OR type STREQUAL "MODULE_LIBRARY")
        target_link_libraries(${target} PRIVATE vjd_module_runtime)
        list(APPEND modules $<TARGET_FILE:${target}>)
      endif()
    endforeach()
  endwhile()
  if(VJD_TEST_SEAMS AND modules AND VJD_NOT_RUN_HERE)
    # Nothing of such a build is built by the test command; the package's i686 plug-in is
    # checked all the same (package_runtime).
    add_test(NAME module_runtime COMMAND sh -c
      "echo \"module_runtime not run: its modules are not built here ($0); the packaged i686 plug-in is checked by package_runtime\"; exit 77"
      "${VJD_NOT_RUN_HERE}")
    set_tests_properties(module_runtime PROPERTIES LABELS skipped SKIP_RETURN_CODE 77)
  elseif(VJD_TEST_SEAMS AND modules)
    add_test(NAME module_runtime
      COMMAND bash ${CMAKE_SOURCE_DIR}/tests/toolchain/check_module_runtime.sh ${CMAKE_OBJDUMP}
              ${modules})
    set_tests_properties(module_runtime PROPERTIES LABELS script TIMEOUT 120)
  endif()
endfunction()
