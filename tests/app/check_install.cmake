# Installs the build into a staging folder (DESTDIR) under a prefix and checks
# that the program, its desktop entry and its icons land where a desktop
# looks for them.
#   cmake -DBUILD_DIR=... -DSTAGE=... -P check_install.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /opt/velmaro
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the install failed")
endif()
set(expected bin/velmaro share/applications/velmaro.desktop)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/velmaro.png)
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS ${STAGE}/opt/velmaro/${path})
    message(FATAL_ERROR "the install did not place ${path}")
  endif()
endforeach()
file(READ ${STAGE}/opt/velmaro/share/applications/velmaro.desktop entry)
if(NOT entry MATCHES "Exec=velmaro" OR NOT entry MATCHES "Categories=Utility;Calculator;")
  message(FATAL_ERROR "the desktop entry does not start velmaro as a calculator")
endif()
file(REMOVE_RECURSE ${STAGE})
