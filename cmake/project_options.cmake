# Compiler settings shared by every target of the project.

add_library(velmaro_options INTERFACE)
# Designated initialisers may leave members to their defaults; GCC 12 would
# warn about every member left out.
target_compile_options(velmaro_options INTERFACE -Wall -Wextra -Werror -Wno-missing-field-initializers)
target_include_directories(velmaro_options INTERFACE ${PROJECT_SOURCE_DIR})

# Release builds keep each object's intermediate form beside its machine
# code (fat LTO objects). The program and the benchmarks link with
# whole-program optimisation, which pays: the heap's hot path runs through
# the platform's mutex calls and the handle table. Test programs link the
# machine code as it is, which keeps their links short.
if(CMAKE_BUILD_TYPE STREQUAL "Release")
  target_compile_options(velmaro_options INTERFACE -flto=auto -ffat-lto-objects)
  # GCC 12 at -O3 reports overlapping copies inside std::string's own
  # operator+ (GCC bug 105329) once code is generated at compile time.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(velmaro_options INTERFACE -Wno-restrict)
  endif()
  set(CMAKE_AR "${CMAKE_CXX_COMPILER_AR}")
  set(CMAKE_RANLIB "${CMAKE_CXX_COMPILER_RANLIB}")
endif()

# Links target with whole-program optimisation in Release builds.
function(velmaro_optimise_whole_program target)
  if(CMAKE_BUILD_TYPE STREQUAL "Release")
    target_link_options(${target} PRIVATE -flto=auto)
  endif()
endfunction()

if(VELMARO_SANITIZE)
  set(velmaro_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${velmaro_sanitizers})
  add_link_options(-fsanitize=address,undefined)
  add_compile_definitions(VELMARO_SANITIZE=1)
endif()

if(VELMARO_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  add_compile_definitions(VELMARO_SANITIZE=1)
endif()

# Links a project library or executable with the shared settings.
function(velmaro_target target)
  target_link_libraries(${target} PUBLIC velmaro_options)
endfunction()
