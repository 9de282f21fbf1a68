# `cmake --install`: the programs into bin, their read-only library (PartsData, the sample
# pictures, the translations) into share/pelterra, where the programs look for it relative to
# themselves (../share/pelterra), and the desktop files where desktops look for them.
include(GNUInstallDirs)

set(PELTERRA_DATA_DESTINATION ${CMAKE_INSTALL_DATADIR}/pelterra)

foreach(program pelterra-cli pelterra)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

if(TARGET partsdata)
  install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/PartsData ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/Samples
          DESTINATION ${PELTERRA_DATA_DESTINATION})
endif()
# qt_add_lrelease makes this target only when the linguist tools were found.
if(TARGET pelterra_lrelease)
  install(DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations/ DESTINATION ${PELTERRA_DATA_DESTINATION}/translations
          FILES_MATCHING PATTERN "*.qm")
endif()

install(FILES ${PROJECT_SOURCE_DIR}/docs/man/pelterra-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET pelterra)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/man/pelterra.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  add_subdirectory(${PROJECT_SOURCE_DIR}/data ${CMAKE_BINARY_DIR}/data)
endif()

# `cmake --install` and cpack take what the build made: they do not start the build again (the
# build draws PartsData afresh each time, which tests running beside an install must not see).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
