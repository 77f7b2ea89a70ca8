# cmake -D SOURCE=... -D DESTINATION=... -P copy_if_missing.cmake
# Copies SOURCE to DESTINATION unless DESTINATION already exists.
if(NOT EXISTS "${DESTINATION}")
    get_filename_component(directory "${DESTINATION}" DIRECTORY)
    file(MAKE_DIRECTORY "${directory}")
    file(COPY_FILE "${SOURCE}" "${DESTINATION}")
endif()
