# The header-only libraries that spbrg uses (CLI11, nlohmann/json), taken from the build machine
# for a cross build: their own folders only, never the machine's whole /usr/include, whose C
# library headers are not the target's.
function(add_host_header_library target folder)
  set(staged ${CMAKE_BINARY_DIR}/host_headers/${target})
  file(MAKE_DIRECTORY ${staged})
  file(CREATE_LINK /usr/include/${folder} ${staged}/${folder} SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${staged})
endfunction()

if(NOT TARGET CLI11::CLI11)
  add_host_header_library(CLI11::CLI11 CLI)
endif()
if(NOT TARGET nlohmann_json::nlohmann_json)
  add_host_header_library(nlohmann_json::nlohmann_json nlohmann)
endif()
