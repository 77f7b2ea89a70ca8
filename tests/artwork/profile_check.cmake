# The build lays the default profile into the program directory only when none is there.
#   cmake -D SCRIPT=copy_if_missing.cmake -D DEFAULT=vrendisar.ini -D SCRATCH=dir -P profile_check.cmake
file(REMOVE_RECURSE "${SCRATCH}")
set(profile "${SCRATCH}/program/vrendisar.ini")

execute_process(COMMAND "${CMAKE_COMMAND}" -D "SOURCE=${DEFAULT}" -D "DESTINATION=${profile}"
                -P "${SCRIPT}" RESULT_VARIABLE result)
file(READ "${profile}" laid HEX)
file(READ "${DEFAULT}" expected HEX)
if(NOT result EQUAL 0 OR NOT laid STREQUAL expected)
    message(FATAL_ERROR "a missing profile was not laid out as the default")
endif()

# The user switched the splash off; the next build keeps that.
file(WRITE "${profile}" "[Vrendomaten]\r\nVisa_splash=0\r\n")
execute_process(COMMAND "${CMAKE_COMMAND}" -D "SOURCE=${DEFAULT}" -D "DESTINATION=${profile}"
                -P "${SCRIPT}" RESULT_VARIABLE result)
file(READ "${profile}" kept)
if(NOT result EQUAL 0 OR NOT kept MATCHES "Visa_splash=0")
    message(FATAL_ERROR "an existing profile was overwritten")
endif()
file(REMOVE_RECURSE "${SCRATCH}")
