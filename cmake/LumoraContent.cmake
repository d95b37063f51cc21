# The target lumora_content puts both data folders beside the program: generated from the
# content list, or unpacked from a content archive.
if(LUMORA_BUILD_CONTENT)
  add_subdirectory(tools/contentgen)
  return()
endif()

if(NOT EXISTS "${LUMORA_CONTENT_ARCHIVE}")
  message(FATAL_ERROR "With LUMORA_BUILD_CONTENT=OFF, set LUMORA_CONTENT_ARCHIVE to the archive "
                      "that the target lumora_content_archive of a build with it ON makes.")
endif()
set(LUMORA_CONTENT_STAMP ${CMAKE_BINARY_DIR}/content-archive.stamp)
add_custom_command(
  OUTPUT ${LUMORA_CONTENT_STAMP}
  COMMAND ${CMAKE_COMMAND} -E tar xf ${LUMORA_CONTENT_ARCHIVE}
  COMMAND ${CMAKE_COMMAND} -E touch ${LUMORA_CONTENT_STAMP}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  DEPENDS ${LUMORA_CONTENT_ARCHIVE}
  COMMENT "Unpacking the learning content"
  VERBATIM)
add_custom_target(lumora_content ALL DEPENDS ${LUMORA_CONTENT_STAMP})
