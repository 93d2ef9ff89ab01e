# The Windows build: what needs no Qt. The build-time generators (seed settings files, the
# UTF-16 language file) are Windows programs here too and run under the cross-compiling
# emulator (Wine), so InstallDir holds the same files as on Linux.
# CLI11 and nlohmann-json are header-only. Their packages' targets name the build machine's
# /usr/include, whose C library headers must not reach the cross compiler: only their own
# folders are made visible, through links in the build folder.
set(qx71_host_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${qx71_host_headers})
foreach(folder CLI nlohmann)
  if(NOT EXISTS ${qx71_host_headers}/${folder})
    file(CREATE_LINK /usr/include/${folder} ${qx71_host_headers}/${folder} SYMBOLIC)
  endif()
endforeach()
add_library(CLI11::CLI11 INTERFACE IMPORTED)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 nlohmann_json::nlohmann_json PROPERTIES
                      INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${qx71_host_headers}
                      INTERFACE_INCLUDE_DIRECTORIES ${qx71_host_headers})

add_subdirectory(src/core)
add_subdirectory(src/platform)
add_subdirectory(src/cli)
add_subdirectory(tools/utf16)
add_subdirectory(tools/seed)
add_subdirectory(data/Language)
if(QX71_BUILD_TESTS)
  add_subdirectory(tests/windows)
endif()
