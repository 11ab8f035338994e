# The build steps' own tools (the generators of the compiled-in data) run on the build
# machine. In a native build each is an ordinary executable target; when cross-building it is
# compiled with the build machine's compiler instead. Sets <name>_COMMAND to what a custom
# command runs.
function(orvex_host_tool name source)
  if(CMAKE_CROSSCOMPILING)
    find_program(ORVEX_HOST_CXX NAMES c++ g++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
    set(output "${CMAKE_CURRENT_BINARY_DIR}/${name}")
    add_custom_command(
      OUTPUT "${output}"
      COMMAND "${ORVEX_HOST_CXX}" -std=c++20 -O2 -I "${PROJECT_SOURCE_DIR}"
              "${CMAKE_CURRENT_SOURCE_DIR}/${source}" -o "${output}"
      DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${source}"
      COMMENT "Building the build machine's ${name}"
      VERBATIM)
    set(${name}_COMMAND "${output}" PARENT_SCOPE)
  else()
    add_executable(${name} ${source})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    set(${name}_COMMAND ${name} PARENT_SCOPE)
  endif()
endfunction()
