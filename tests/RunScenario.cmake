# Runs one scenario script through the real program and compares its transcript with
# the expected one beside it (NAME.script -> NAME.expected). The program must exit 1
# when the expected transcript holds an error line, else 0.
# It runs in WORK, a folder of its own made afresh with a copy of the saves the scripts
# load, so whatever the game writes stays out of the source tree and away from other tests.
get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WE)
set(expected_file ${dir}/${name}.expected)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${dir}/saves DESTINATION ${WORK})
execute_process(COMMAND ${PROGRAM} --script ${SCRIPT} WORKING_DIRECTORY ${WORK}
                OUTPUT_VARIABLE actual RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT EXISTS ${expected_file})
    message(FATAL_ERROR "No ${expected_file}; the transcript was:\n${actual}")
endif()
file(READ ${expected_file} expected)
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "The transcript of ${name} differs from ${expected_file}.\n"
                        "Actual transcript:\n${actual}\n${errors}")
endif()
string(FIND "${expected}" "\terror\t" first_error)
if(first_error EQUAL -1)
    set(expected_status 0)
else()
    set(expected_status 1)
endif()
if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "${name}: the program exited with ${status}, not ${expected_status}\n${errors}")
endif()
