# Copies the hand-written data into the runtime folder. Generated art is written there by the tools.
file(MAKE_DIRECTORY "${RUNTIME_DIR}")
foreach(dir lumodata data/shader TovarWorks/lang)
  if(EXISTS "${SOURCE_DIR}/${dir}")
    file(COPY "${SOURCE_DIR}/${dir}/" DESTINATION "${RUNTIME_DIR}/${dir}")
  endif()
endforeach()
# The player's own settings.ini in the runtime folder is never overwritten by a rebuild.
if(NOT EXISTS "${RUNTIME_DIR}/settings.ini")
  file(COPY "${SOURCE_DIR}/settings.ini" DESTINATION "${RUNTIME_DIR}")
endif()
