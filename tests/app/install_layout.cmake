# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and checks that a desktop finds the program, its menu
# entry and its icon, the set-ups' file type and the software centres' metadata there, and that
# the program looks for libraries only where the system does.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(file bin/vokarelo share/applications/vokarelo.desktop
             share/icons/hicolor/32x32/apps/vokarelo.png
             share/mime/packages/vokarelo-setup.xml
             share/metainfo/example.vokarelo.Vokarelo.metainfo.xml)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/search_path.sh ${PREFIX}/bin/vokarelo --none
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed program carries a library search path")
endif()
file(READ ${PREFIX}/share/applications/vokarelo.desktop entry)
if(NOT entry MATCHES "\nExec=vokarelo %f\n" OR NOT entry MATCHES "\nIcon=vokarelo\n")
  message(FATAL_ERROR "the menu entry does not start the installed program on the file it opens, with its icon")
endif()
file(REMOVE_RECURSE ${PREFIX})
message("1 passed, 0 failed")
