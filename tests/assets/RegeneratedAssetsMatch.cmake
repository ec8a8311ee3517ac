# Runs the asset generator into a fresh folder and checks that it writes exactly the files
# kept in assets/, byte for byte: the generator is deterministic, and nobody changed it
# without committing what it now makes.
file(REMOVE_RECURSE ${OUTPUT})
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "The generator failed (${status}):\n${errors}")
endif()
file(GLOB generated RELATIVE ${OUTPUT} ${OUTPUT}/*)
file(GLOB kept RELATIVE ${ASSETS} ${ASSETS}/*.gif ${ASSETS}/*.wav ${ASSETS}/*.png)
list(SORT generated)
list(SORT kept)
if(NOT generated STREQUAL kept)
    message(FATAL_ERROR "The generator writes [${generated}] but assets/ keeps [${kept}]")
endif()
foreach(name ${generated})
    file(SHA256 ${OUTPUT}/${name} made)
    file(SHA256 ${ASSETS}/${name} stored)
    if(NOT made STREQUAL stored)
        message(FATAL_ERROR "${name} differs from the generator's output: run "
                            "'cmake --build <build> --target regenerate_assets' and commit the result")
    endif()
endforeach()
