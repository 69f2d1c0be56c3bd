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

# vjd_add_gtest(name SOURCES a.cpp ... [LIBS x y] [TIMEOUT s] [WORKING_DIRECTORY d])
# One test program, registered as one CTest test.  Its cases are counted from the XML report
# that GoogleTest writes to gtest-xml/<name>.xml; a Windows build's program runs through Wine
# (cmake/wine-run.sh), and counts as skipped (status 77) where the machine cannot run its ABI.
function(vjd_add_gtest name)
  cmake_parse_arguments(T "" "TIMEOUT;WORKING_DIRECTORY" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  if(NOT VJD_CAN_RUN)
    return()  # only proves that the test program builds and links
  endif()
  if(VJD_NOT_RUN_HERE)
    vjd_add_skipped_test(${name})
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  if(NOT T_WORKING_DIRECTORY)
    set(T_WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  endif()
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${T_WORKING_DIRECTORY})
  set(report ${VJD_GTEST_XML_DIR}/${name}.xml)
  if(WIN32)
    set(report "Z:${report}")  # a Windows program sees the Linux file system as drive Z:
  endif()
  set_tests_properties(${name} PROPERTIES
    LABELS gtest TIMEOUT ${T_TIMEOUT} SKIP_RETURN_CODE 77
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
# must not reach the windows of another, so they run one at a time.
function(vjd_share_display name)
  if(WIN32)
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
  if(VJD_TEST_SEAMS AND modules)
    add_test(NAME module_runtime
      COMMAND bash ${CMAKE_SOURCE_DIR}/tests/toolchain/check_module_runtime.sh ${CMAKE_OBJDUMP}
              ${modules})
    set_tests_properties(module_runtime PROPERTIES LABELS script TIMEOUT 120)
  endif()
endfunction()
