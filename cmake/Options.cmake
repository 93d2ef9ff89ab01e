# Identity of the mouse. Four hexadecimal digits each, as the device reports them.
set(QX71_VENDOR_ID "3554" CACHE STRING "USB vendor identifier of the QX71 (4 hex digits)")
set(QX71_PRODUCT_ID "F513" CACHE STRING "USB product identifier of the QX71 (4 hex digits)")
# Identity of the mouse while it is in its firmware update mode.
set(QX71_UPDATE_VENDOR_ID "3554" CACHE STRING "USB vendor identifier in update mode (4 hex digits)")
set(QX71_UPDATE_PRODUCT_ID "F5FF" CACHE STRING "USB product identifier in update mode (4 hex digits)")

# Where the project lives on the web: the AppStream file and the package point there.
set(QX71_HOMEPAGE_URL "https://example.com/qx71" CACHE STRING "Home page of the program")
set(QX71_SCREENSHOT_URL "${QX71_HOMEPAGE_URL}/screenshots/main.png" CACHE STRING
    "Screenshot of the main window for software centres")

foreach(id QX71_VENDOR_ID QX71_PRODUCT_ID QX71_UPDATE_VENDOR_ID QX71_UPDATE_PRODUCT_ID)
  if(NOT ${id} MATCHES "^[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]$")
    message(FATAL_ERROR "${id} must be four hexadecimal digits, got '${${id}}'")
  endif()
endforeach()

# The maker's update server, for example "https://update.example.com" or
# "http://127.0.0.1:8080"; the QX71_UPDATE_SERVER environment variable overrides it. Empty: no
# online update check.
set(QX71_UPDATE_SERVER "" CACHE STRING "Base address of the firmware update server (http or https)")
if(NOT QX71_UPDATE_SERVER STREQUAL "" AND NOT QX71_UPDATE_SERVER MATCHES "^[Hh][Tt][Tt][Pp][Ss]?://[^/]+/?$")
  message(FATAL_ERROR "QX71_UPDATE_SERVER must be an http or https address without a path, got '${QX71_UPDATE_SERVER}'")
endif()

# The maker's web site that the support page's web-site button opens (http or https). Empty:
# the button is disabled.
set(QX71_WEB_SITE "" CACHE STRING "Web site the support page opens (http or https)")
if(NOT QX71_WEB_SITE STREQUAL "" AND NOT QX71_WEB_SITE MATCHES "^[Hh][Tt][Tt][Pp][Ss]?://[^/]")
  message(FATAL_ERROR "QX71_WEB_SITE must be an http or https address, got '${QX71_WEB_SITE}'")
endif()

option(QX71_WERROR "Treat compiler warnings as errors" ON)
option(QX71_BUILD_TESTS "Build the tests" ON)
option(QX71_BUILD_BENCH "Build the benchmarks" OFF)
option(QX71_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(QX71_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# ThreadSanitizer: only the test programs whose code starts threads are built in this
# configuration (tests/CMakeLists.txt), so the run stays short.
option(QX71_SANITIZE_THREAD "Build with ThreadSanitizer (the threaded test suites only)" OFF)
if(QX71_SANITIZE_THREAD)
  if(QX71_SANITIZE)
    message(FATAL_ERROR "QX71_SANITIZE and QX71_SANITIZE_THREAD cannot be combined")
  endif()
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()

# libFuzzer targets under fuzz/ (clang only): every target is built with coverage
# instrumentation and the sanitizers. scripts/fuzz-markup sets this up in its own build folder.
option(QX71_BUILD_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
if(QX71_BUILD_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# Rebuilds of unchanged sources come from ccache when the machine has it; nothing needs it.
# The precompiled headers (cmake/Precompiled.cmake) are cached only with these sloppiness
# settings; without them ccache compiles every source that uses one.
find_program(QX71_CCACHE ccache)
if(QX71_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
                                  CCACHE_SLOPPINESS=pch_defines,time_macros ${QX71_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

# Unity builds: the test programs (and the heavier libraries) compile their sources in batches,
# so that gtest's, Qt's and the JSON library's templates are instantiated once per batch
# rather than once per file; a cold build takes a fraction of the time. Off, each file
# compiles alone, as when hunting an include that a file forgot.
option(QX71_UNITY_BUILD "Compile the test programs and the heavier libraries in batches" ON)
function(qx71_unity_build target)
  if(QX71_UNITY_BUILD)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
  endif()
endfunction()

# mold links the many test programs several times faster than the default linker; it is used
# when the machine has it (scripts/setup installs it) and nothing else changes with it.
find_program(QX71_MOLD mold)
if(QX71_MOLD AND NOT WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_link_options(-fuse-ld=mold)
endif()
