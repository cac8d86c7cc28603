# Compiler settings shared by every target of the project.

add_library(velmaro_options INTERFACE)
# Designated initialisers may leave members to their defaults; GCC 12 would
# warn about every member left out.
target_compile_options(velmaro_options INTERFACE -Wall -Wextra -Werror -Wno-missing-field-initializers)
target_include_directories(velmaro_options INTERFACE ${PROJECT_SOURCE_DIR})

# Release builds keep each object's intermediate form beside its machine
# code (fat LTO objects). The program and the benchmarks link with
# whole-program optimisation, which pays: the heap's hot path runs through
# the platform's mutex calls and the handle table. Every other program links
# the machine code as it is: without -fno-lto, GCC's linker plugin would
# optimise the whole of each test program too (50 s instead of 1 s for the
# largest).
if(CMAKE_BUILD_TYPE STREQUAL "Release")
  target_compile_options(velmaro_options INTERFACE -flto=auto -ffat-lto-objects)
  target_link_options(velmaro_options INTERFACE $<$<NOT:$<BOOL:$<TARGET_PROPERTY:VELMARO_WHOLE_PROGRAM>>>:-fno-lto>)
  # GCC 12 at -O3 reports overlapping copies inside std::string's own
  # operator+ (GCC bug 105329) once code is generated at compile time.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(velmaro_options INTERFACE -Wno-restrict)
  endif()
  # Archives index only the symbols of their objects' machine code. GCC's
  # own archiver indexes the intermediate form's symbols too, among them
  # library templates the machine code only refers to, and a link without
  # LTO then pulls the same members in twice for them.
  find_program(VELMARO_LLVM_AR NAMES llvm-ar llvm-ar-14 REQUIRED)
  find_program(VELMARO_LLVM_RANLIB NAMES llvm-ranlib llvm-ranlib-14 REQUIRED)
  set(CMAKE_AR "${VELMARO_LLVM_AR}")
  set(CMAKE_RANLIB "${VELMARO_LLVM_RANLIB}")
endif()

# Links target with whole-program optimisation in Release builds.
function(velmaro_optimise_whole_program target)
  if(CMAKE_BUILD_TYPE STREQUAL "Release")
    set_target_properties(${target} PROPERTIES VELMARO_WHOLE_PROGRAM ON)
    target_link_options(${target} PRIVATE -flto=auto)
  endif()
endfunction()

if(VELMARO_SANITIZE)
  set(velmaro_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${velmaro_sanitizers})
  add_link_options(-fsanitize=address,undefined)
  add_compile_definitions(VELMARO_SANITIZE=1)
  # The sanitizer build is there to run the tests. Optimised for debugging
  # (-Og) they run twice as fast as at -O0 (the run-time's tests: 14 s of CPU
  # instead of 27 to 32 s), with line tables only (-g1) for the reports' stack
  # traces. Its programs are not position-independent: in each, the
  # sanitizers' static data made 550,000 relocations at every start (a third
  # of the start-up of each of the thousand processes a test run makes).
  add_compile_options(-Og -g1)
  add_link_options($<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:-no-pie>)
endif()

if(VELMARO_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
  add_compile_definitions(VELMARO_SANITIZE=1)
endif()

# Every object counts its regions and branches; each program run writes a
# profile where LLVM_PROFILE_FILE says (scripts/coverage-report merges them).
# Counts do not depend on optimisation, and -O1 keeps the storm and the heap's
# stress tests as quick as in the sanitizer build.
if(VELMARO_COVERAGE)
  add_compile_options(-fprofile-instr-generate -fcoverage-mapping -O1)
  add_link_options(-fprofile-instr-generate)
endif()

# Links a project library or executable with the shared settings.
function(velmaro_target target)
  target_link_libraries(${target} PUBLIC velmaro_options)
endfunction()
