# The program started as a shell starts it, with two saves: it must refuse
# with a usage error naming both, not load the first and pass over the
# second without a word. Run with -DPROGRAM=... [-DEMULATOR=...].
execute_process(COMMAND ${EMULATOR} ${PROGRAM} first.srm second.srm
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 100)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "two files: exit status ${status}, not 2 (output: ${out}${err})")
endif()
if(NOT err MATCHES "given \\('first\\.srm'.*'second\\.srm'\\)")
  message(FATAL_ERROR "two files: the message does not name them: ${err}")
endif()
