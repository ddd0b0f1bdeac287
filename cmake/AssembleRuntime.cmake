# Copies the hand-written data into the runtime folder. Generated art is written there by the tools.
# The files the player or the world editor writes there are theirs: a rebuild copies them only
# when they are missing, so deleting one brings back the repository's version.
set(WRITTEN_FILES settings.ini lumodata/worldp.txt lumodata/worldc.txt)

file(MAKE_DIRECTORY "${RUNTIME_DIR}")
set(KEEP_WRITTEN "")
foreach(written ${WRITTEN_FILES})
  string(REPLACE "." "\\." pattern "${written}")
  list(APPEND KEEP_WRITTEN REGEX "/${pattern}$" EXCLUDE)
endforeach()
foreach(dir lumodata data/shader TovarWorks/lang)
  if(EXISTS "${SOURCE_DIR}/${dir}")
    file(COPY "${SOURCE_DIR}/${dir}/" DESTINATION "${RUNTIME_DIR}/${dir}" ${KEEP_WRITTEN})
  endif()
endforeach()
foreach(written ${WRITTEN_FILES})
  if(NOT EXISTS "${RUNTIME_DIR}/${written}")
    get_filename_component(folder "${RUNTIME_DIR}/${written}" DIRECTORY)
    file(COPY "${SOURCE_DIR}/${written}" DESTINATION "${folder}")
  endif()
endforeach()
