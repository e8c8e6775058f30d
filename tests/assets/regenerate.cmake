# Runs the picture generator into a scratch folder and fails unless every
# file it writes equals the committed one byte for byte.
file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND "${HANDGEN}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "handgen failed: ${result}")
endif()

set(files icon.ico)
foreach(p RANGE 0 45)
    string(REGEX REPLACE "^(.)$" "0\\1" n "${p}")
    list(APPEND files hands/${n}.bmp hands_half/${n}.bmp)
endforeach()

set(differing "")
foreach(f IN LISTS files)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
        "${OUTPUT}/${f}" "${COMMITTED}/${f}" RESULT_VARIABLE same)
    if(NOT same EQUAL 0)
        list(APPEND differing ${f})
    endif()
endforeach()
if(differing)
    message(FATAL_ERROR "regenerated pictures differ from the committed ones: ${differing}")
endif()
