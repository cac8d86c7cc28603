# velmaro_add_resources(<target> <manifest> [DEPENDS <target>...])
#
# Compiles a resource manifest (format: platform/resources/compiler/manifest.h
# and resources/README.md) into a C++ source that becomes part of <target>
# and registers its resources with the platform at static initialisation;
# for Windows, into a resource script that the resource compiler puts in the
# executable's resource section, where Windows finds them.
#
# The manifest is configured first, so a path may name a file that another
# command generates at build time, e.g. @CMAKE_CURRENT_BINARY_DIR@/x.bin; every
# file the manifest names is a dependency of the generated source, so that
# file is (re)built first and a change to it recompiles the resources. When the
# generating command lives in another folder, name its target in DEPENDS.

function(velmaro_add_resources target manifest)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "DEPENDS")
  get_filename_component(manifest "${manifest}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  get_filename_component(base "${manifest}" DIRECTORY)
  get_filename_component(stem "${manifest}" NAME_WE)
  set(work "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources")
  set(configured "${work}/${stem}.resources")
  configure_file("${manifest}" "${configured}" @ONLY)
  if(WIN32)
    set(output "${work}/${stem}.rc")
    set(form --rc)
  else()
    set(output "${work}/${stem}_resources.cpp")
    set(form "")
  endif()

  _velmaro_resource_sources("${configured}" "${base}" sources)
  add_custom_command(
    OUTPUT "${output}"
    COMMAND velmaro_rc --base "${base}" ${form} "${configured}" "${output}"
    DEPENDS velmaro_rc "${configured}" ${sources} ${arg_DEPENDS}
    COMMENT "Compiling resources ${stem} into ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
  set_source_files_properties("${output}" PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
  if(NOT WIN32)
    target_link_libraries(${target} PRIVATE velmaro_platform)
  endif()
endfunction()

# The files a configured manifest names, as absolute paths.
function(_velmaro_resource_sources manifest base result)
  file(STRINGS "${manifest}" lines)
  set(paths "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*(#|$)")
      continue()
    elseif(line MATCHES "^[ \t]*(RT_)?STRING[ \t]+(.+)$")
      set(path "${CMAKE_MATCH_2}")
    elseif(line MATCHES "^[ \t]*[^ \t]+[ \t]+[^ \t]+[ \t]+(.+)$")
      set(path "${CMAKE_MATCH_1}")
    else()
      message(FATAL_ERROR "${manifest}: cannot read the line '${line}'")
    endif()
    string(STRIP "${path}" path)
    get_filename_component(path "${path}" ABSOLUTE BASE_DIR "${base}")
    list(APPEND paths "${path}")
  endforeach()
  set(${result} "${paths}" PARENT_SCOPE)
endfunction()
