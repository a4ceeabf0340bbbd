# Installs the build into PREFIX and checks what a desktop and a shell find
# there. Run by CTest as install_layout.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result})")
endif()

set(metainfo ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
set(desktop ${PREFIX}/share/applications/${APP_ID}.desktop)
foreach(file bin/vernik bin/vernik-lex ${DATADIR}/starttext.txt
             share/icons/hicolor/scalable/apps/${APP_ID}.svg
             share/man/man1/vernik.1.gz share/man/man1/vernik-lex.1.gz)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
foreach(file ${metainfo} ${desktop})
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
if(EXISTS ${PREFIX}/${DATADIR}/vernik.qrc)
  message(FATAL_ERROR "the Qt resource list was installed as data")
endif()

execute_process(COMMAND ${PREFIX}/bin/vernik-lex --help
                OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT help MATCHES "usage: vernik-lex")
  message(FATAL_ERROR "installed vernik-lex --help: exit ${result}, output:\n${help}")
endif()

# The validators are optional on a developer's machine; CI installs both.
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --pedantic ${metainfo}
                  OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate:\n${out}")
  endif()
else()
  message(STATUS "appstreamcli not installed: metainfo not validated")
endif()
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop}
                  OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE result)
  # A hint (Office and Education are both main categories) is not a fault.
  if(NOT result EQUAL 0 OR out MATCHES "(error|warning): ")
    message(FATAL_ERROR "desktop-file-validate:\n${out}")
  endif()
else()
  message(STATUS "desktop-file-validate not installed: desktop file not validated")
endif()
file(REMOVE_RECURSE ${PREFIX})
