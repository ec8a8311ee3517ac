# Copies what the game ships from assets/ (everything but this generator) to DESTINATION,
# leaving files that are already up to date alone.
file(GLOB entries RELATIVE ${SOURCE} ${SOURCE}/*)
list(REMOVE_ITEM entries generator)
foreach(entry ${entries})
    file(COPY ${SOURCE}/${entry} DESTINATION ${DESTINATION})
endforeach()
