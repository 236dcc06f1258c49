# The buffer-swap counter that the benchmark and the end-to-end tests load into the program (the
# memory check builds its own copy): both include this file, and the target lands in build/preload.
include_guard(GLOBAL)
add_library(swap_counter SHARED ${CMAKE_CURRENT_LIST_DIR}/swap_counter.cpp)
target_link_libraries(swap_counter PRIVATE ${CMAKE_DL_LIBS})
set_target_properties(swap_counter PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/preload)
