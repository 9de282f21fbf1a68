# Fails when any source of the core includes a Qt header.
file(GLOB_RECURSE sources ${CORE_DIR}/*.cpp ${CORE_DIR}/*.h)
foreach(f ${sources})
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q[A-Za-z]*[>/\"]")
  if(hits)
    message(FATAL_ERROR "${f} includes Qt: ${hits}")
  endif()
endforeach()
