# Runs the image generator into a fresh folder; fails unless each image equals the committed one.
foreach(required GENERATOR OUTPUT_DIR EXPECTED_DIR IMAGE_FILES)
    if(NOT DEFINED ${required})
        message(FATAL_ERROR "compare_images.cmake needs -D${required}=...")
    endif()
endforeach()

file(REMOVE_RECURSE "${OUTPUT_DIR}")
file(MAKE_DIRECTORY "${OUTPUT_DIR}")
execute_process(COMMAND "${GENERATOR}" "${OUTPUT_DIR}" RESULT_VARIABLE generator_result)
if(NOT generator_result EQUAL 0)
    message(FATAL_ERROR "image generator failed: ${generator_result}")
endif()

string(REPLACE "," ";" image_files "${IMAGE_FILES}")
set(mismatches "")
foreach(name IN LISTS image_files)
    if(NOT EXISTS "${EXPECTED_DIR}/${name}" OR NOT EXISTS "${OUTPUT_DIR}/${name}")
        list(APPEND mismatches "${name} (missing)")
        continue()
    endif()
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -E compare_files
                "${OUTPUT_DIR}/${name}" "${EXPECTED_DIR}/${name}"
        RESULT_VARIABLE differs
    )
    if(NOT differs EQUAL 0)
        list(APPEND mismatches "${name}")
    endif()
endforeach()

if(mismatches)
    message(FATAL_ERROR "images differ from ${EXPECTED_DIR}: ${mismatches}\n"
                        "Rebuild them with the 'images' target if the change is intended.")
endif()
list(LENGTH image_files checked)
message(STATUS "all ${checked} images match ${EXPECTED_DIR}")
