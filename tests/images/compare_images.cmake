# Runs the image generator into a fresh folder; fails unless each image equals the committed one.
file(REMOVE_RECURSE "${OUTPUT_DIR}")
file(MAKE_DIRECTORY "${OUTPUT_DIR}")
execute_process(COMMAND "${GENERATOR}" "${OUTPUT_DIR}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "image generator failed: ${failed}")
endif()

string(REPLACE "," ";" image_files "${IMAGE_FILES}")
foreach(name IN LISTS image_files)
    # compare_files also fails when either file is missing.
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                            "${OUTPUT_DIR}/${name}" "${EXPECTED_DIR}/${name}"
                    RESULT_VARIABLE differs)
    if(differs)
        list(APPEND mismatches "${name}")
    endif()
endforeach()
if(mismatches)
    message(FATAL_ERROR "images differ from ${EXPECTED_DIR}: ${mismatches}\n"
                        "Rebuild them with the 'images' target if the change is intended.")
endif()
