# Compiler settings shared by every target of the project.

add_library(velmaro_options INTERFACE)
# Designated initialisers may leave members to their defaults; GCC 12 would
# warn about every member left out.
target_compile_options(velmaro_options INTERFACE -Wall -Wextra -Werror -Wno-missing-field-initializers)
target_include_directories(velmaro_options INTERFACE ${PROJECT_SOURCE_DIR})

# Release builds optimise across files: the heap's hot path runs through the
# platform's mutex calls and the handle table.
if(CMAKE_BUILD_TYPE STREQUAL "Release")
  set(CMAKE_INTERPROCEDURAL_OPTIMIZATION ON)
endif()

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
