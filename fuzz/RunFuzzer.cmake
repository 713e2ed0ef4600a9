# Runs one fuzz target for VELMORA_FUZZ_SECONDS, read from the environment when the test runs, so that a longer
# run needs no reconfiguring. Called by CTest with -DFUZZER, -DFOUND (new inputs go there) and -DSEEDS (only read).
set(seconds 5)
if(NOT "$ENV{VELMORA_FUZZ_SECONDS}" STREQUAL "")
    set(seconds "$ENV{VELMORA_FUZZ_SECONDS}")
endif()
if(NOT seconds MATCHES "^[1-9][0-9]*$")
    message(FATAL_ERROR "VELMORA_FUZZ_SECONDS is \"${seconds}\"; give a whole number of seconds.")
endif()

# libFuzzer stops on time by itself; the margin only ends a run that hangs outside an input.
math(EXPR limit "${seconds} + 300")
execute_process(COMMAND ${FUZZER} -max_total_time=${seconds} -timeout=10 -print_final_stats=1 ${FOUND} ${SEEDS}
    TIMEOUT ${limit} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${FUZZER} stopped with ${status}")
endif()
