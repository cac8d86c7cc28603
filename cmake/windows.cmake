# The Windows build (make windows): the run-time, the framework and the
# calculator against Windows' own API, with the tools that make the
# program's resources taken from a build for this machine.

# The archive compiler (orvane) and the resource compiler (velmaro_rc) run
# at build time, so they come from a host build (make builds them there
# first) under the names the host build gives them.
set(VELMARO_HOST_BUILD "" CACHE PATH "A build of this project for the build machine, whose tools the cross build runs")
if(NOT VELMARO_HOST_BUILD)
  message(FATAL_ERROR "The Windows build runs tools of a host build: give its folder as VELMARO_HOST_BUILD")
endif()
add_executable(orvane IMPORTED)
set_target_properties(orvane PROPERTIES IMPORTED_LOCATION ${VELMARO_HOST_BUILD}/tools/orvane/orvane)
add_executable(velmaro_rc IMPORTED)
set_target_properties(velmaro_rc PROPERTIES IMPORTED_LOCATION ${VELMARO_HOST_BUILD}/platform/velmaro_rc)

# platform/win32.h becomes windows.h.
target_include_directories(velmaro_options BEFORE INTERFACE ${PROJECT_SOURCE_DIR}/cmake/windows/include)
target_compile_definitions(velmaro_options INTERFACE _WIN32_WINNT=0x0A00 WINVER=0x0A00)

# Programs carry their C and C++ libraries and the threads library inside,
# so they need no DLL beyond Windows' own.
target_link_options(velmaro_options INTERFACE -static -static-libgcc -static-libstdc++)

enable_language(RC)

# Tests run under Wine, in a prefix of the build's own.
set(VELMARO_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/run-under-wine ${VELMARO_WINE_PREFIX})
