# A package is a folder <pkg>/ with public headers under <pkg>/include, sources
# under <pkg>/src and tests under <pkg>/tests. It holds one or more libraries:
#
#   velmora_library(<target> DIRS <folders> [DEPS <targets...>]
#                   [TEST_DEPS <targets...>] [WINDOW])
#   velmora_package(<name> [TARGET <target>] [DEPS <targets...>]
#                   [TEST_DEPS <targets...>] [EXCLUDE <regex...>])
#
# velmora_library claims folders of <pkg>/src (paths relative to it, such as
# `client_gen` or `app/game_screen`) for a library of their own, built from
# the sources under them. velmora_package makes the package's headless library
# from every source under <pkg>/src that no library claims, so a package calls
# velmora_library first. A claimed folder that does not exist yet gives no
# target. WINDOW marks a library that links the window side (ovra, vindle,
# GLFW); it is left out of VELMORA_HEADLESS_ONLY builds. Headless libraries
# never link OpenGL or GLFW, so a claimed folder holds only code that needs
# the window or generates clients: pure data of the viewer (the records a
# renderer keeps per tick, camera controls, preferences) sits in unclaimed
# folders such as velmora/src/renderer/ and is part of the headless library,
# where the game binding's tick history can use it. Drawing code of the
# renderers goes into velmora/src/renderer/draw/, which the viewer claims.
#
# Tests mirror the sources: <pkg>/tests/ and <pkg>/tests/<folder>/, for each
# folder of <pkg>/src, hold the tests of the library that owns that source
# folder; other test folders (golden files, fixtures) are not globbed. In
# each, *.cpp form the fast suite (<target>_tests), gl/*.cpp the display suite
# (<target>_gl_tests, label gl), slow/*.cpp the slow suite
# (<target>_slow_tests, label slow) and toolchain/*.cpp the suite that builds
# generated code with other languages' tool chains (<target>_toolchain_tests,
# label toolchain; VELMORA_CXX names the C++ compiler; the variable
# VELMORA_TOOLCHAIN_LOCK_<target>, when set, lists resources that its tests
# hold one at a time). Every test links `test_support`
# (kimbly/tests/support). Sources and tests are globbed, so a new module
# needs no edit here.

# The source folders under `root` (relative to it, at any depth), less the
# folders `skip` and everything below them.
function(_velmora_source_folders out root skip)
  file(GLOB_RECURSE all LIST_DIRECTORIES TRUE CONFIGURE_DEPENDS ${root}/*)
  set(folders)
  foreach(path IN LISTS all)
    if(NOT IS_DIRECTORY ${path})
      continue()
    endif()
    file(RELATIVE_PATH relative ${root} ${path})
    set(skipped FALSE)
    foreach(folder IN LISTS skip)
      if(relative STREQUAL folder OR relative MATCHES "^${folder}/")
        set(skipped TRUE)
      endif()
    endforeach()
    if(NOT skipped)
      list(APPEND folders ${relative})
    endif()
  endforeach()
  set(${out} ${folders} PARENT_SCOPE)
endfunction()

# The library `target` from `srcs` (an interface library when there are none)
# and its test suites from the test folders `roots`.
function(_velmora_target target dir srcs deps test_deps roots)
  if(srcs)
    add_library(${target} STATIC ${srcs})
    target_include_directories(${target} PUBLIC ${dir}/include PRIVATE ${dir}/src)
    target_link_libraries(${target} PUBLIC ${deps})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE ${dir}/include)
    target_link_libraries(${target} INTERFACE ${deps})
  endif()

  foreach(suite IN ITEMS fast gl slow toolchain)
    if(suite STREQUAL gl AND VELMORA_HEADLESS_ONLY)
      continue()
    endif()
    set(tests)
    foreach(root IN LISTS roots)
      set(pattern ${root}/${suite}/*.cpp)
      if(suite STREQUAL fast)
        set(pattern ${root}/*.cpp)
      endif()
      file(GLOB found CONFIGURE_DEPENDS ${pattern})
      list(APPEND tests ${found})
    endforeach()
    if(NOT tests)
      continue()
    endif()
    set(exe ${target}_tests)
    if(NOT suite STREQUAL fast)
      set(exe ${target}_${suite}_tests)
    endif()
    add_executable(${exe} ${tests})
    target_include_directories(${exe} PRIVATE ${dir}/tests ${dir}/src)
    target_link_libraries(${exe} PRIVATE ${target} ${test_deps} test_support GTest::gtest GTest::gmock GTest::gtest_main)
    target_compile_definitions(${exe} PRIVATE
      VELMORA_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      VELMORA_BINARY_DIR="${CMAKE_BINARY_DIR}")
    if(suite STREQUAL toolchain)
      target_compile_definitions(${exe} PRIVATE VELMORA_CXX="${CMAKE_CXX_COMPILER}")
    endif()
    if(suite STREQUAL fast)
      gtest_discover_tests(${exe} DISCOVERY_TIMEOUT 60)
    else()
      gtest_discover_tests(${exe} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS ${suite})
    endif()
    if(suite STREQUAL toolchain AND DEFINED VELMORA_TOOLCHAIN_LOCK_${target})
      # Discovery would split a list of resources into separate properties,
      # so the locks are set by a file that CTest reads after the tests.
      set(locks ${CMAKE_CURRENT_BINARY_DIR}/${exe}_locks.cmake)
      file(WRITE ${locks} "if(${exe}_TESTS)\n  set_tests_properties(\${${exe}_TESTS} PROPERTIES RESOURCE_LOCK \"${VELMORA_TOOLCHAIN_LOCK_${target}}\")\nendif()\n")
      set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${locks})
    endif()
  endforeach()
endfunction()

function(velmora_library target)
  cmake_parse_arguments(P "WINDOW" "" "DIRS;DEPS;TEST_DEPS" ${ARGN})
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  set(VELMORA_CLAIMED_DIRS ${VELMORA_CLAIMED_DIRS} ${P_DIRS} PARENT_SCOPE)
  if(P_WINDOW AND VELMORA_HEADLESS_ONLY)
    return()
  endif()
  set(srcs)
  set(roots)
  foreach(folder IN LISTS P_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/src/${folder}/*.cpp)
    list(APPEND srcs ${found})
    list(APPEND roots ${dir}/tests/${folder})
    _velmora_source_folders(inner ${dir}/src/${folder} "")
    foreach(below IN LISTS inner)
      list(APPEND roots ${dir}/tests/${folder}/${below})
    endforeach()
  endforeach()
  if(NOT srcs)
    return()
  endif()
  _velmora_target(${target} ${dir} "${srcs}" "${P_DEPS}" "${P_TEST_DEPS}" "${roots}")
endfunction()

function(velmora_package name)
  cmake_parse_arguments(P "" "TARGET" "DEPS;TEST_DEPS;EXCLUDE" ${ARGN})
  set(target ${name})
  if(P_TARGET)
    set(target ${P_TARGET})
  endif()
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${dir}/src/*.cpp)
  foreach(folder IN LISTS VELMORA_CLAIMED_DIRS)
    list(FILTER srcs EXCLUDE REGEX "^${dir}/src/${folder}/")
  endforeach()
  foreach(ex IN LISTS P_EXCLUDE)
    list(FILTER srcs EXCLUDE REGEX "${ex}")
  endforeach()
  _velmora_source_folders(folders ${dir}/src "${VELMORA_CLAIMED_DIRS}")
  set(roots ${dir}/tests)
  foreach(folder IN LISTS folders)
    list(APPEND roots ${dir}/tests/${folder})
  endforeach()
  _velmora_target(${target} ${dir} "${srcs}" "${P_DEPS}" "${P_TEST_DEPS}" "${roots}")
endfunction()
