# The instruments that the tests, the benchmark and the tools share: the buffer-swap counter and
# the stepped clock that they load into the program (they land in build/preload; the memory
# check builds its own copy of the counter), and the picture comparison and the waits for GLUT's
# window (tyvok_measure), whose deadline is the one that wait.sh sets for every wait
# (TYVOK_WAIT_SECONDS). For the tests, the camera log and the text log loaded beside the swap
# counter, and the Wayland tests' screenshot reader, their picture comparison, an EGL client to
# count, and the virtual pointer (built without the sanitizers, as x_probe is: it is not the
# program under test).
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/wait.sh TYVOK_WAIT_SECONDS REGEX "^waitSeconds=[0-9]+$")
string(REPLACE "waitSeconds=" "" TYVOK_WAIT_SECONDS "${TYVOK_WAIT_SECONDS}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/wait.sh)
add_library(swap_counter SHARED ${CMAKE_CURRENT_LIST_DIR}/swap_counter.cpp)
target_link_libraries(swap_counter PRIVATE ${CMAKE_DL_LIBS})
# The stepped clock, loaded before the swap counter for pictures of the same state and clock in
# any host, with the call-stream tool's monotonic clock.
add_library(stepped_clock SHARED ${CMAKE_CURRENT_LIST_DIR}/stepped_clock.cpp
            ${PROJECT_SOURCE_DIR}/tools/call-streams/monotonic_clock.cpp)
target_include_directories(stepped_clock PRIVATE ${PROJECT_SOURCE_DIR}/tools/call-streams)
target_link_libraries(stepped_clock PRIVATE ${CMAKE_DL_LIBS})
set_target_properties(swap_counter stepped_clock PROPERTIES
                      LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/preload)
add_library(tyvok_measure STATIC EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/picture_difference.cpp)
target_include_directories(tyvok_measure PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(tyvok_measure PUBLIC TYVOK_WAIT_SECONDS=${TYVOK_WAIT_SECONDS})
if(BUILD_TESTING)
    add_library(camera_log SHARED ${CMAKE_CURRENT_LIST_DIR}/camera_log.cpp)
    target_link_libraries(camera_log PRIVATE OpenGL::GL ${CMAKE_DL_LIBS})
    add_library(text_log SHARED ${CMAKE_CURRENT_LIST_DIR}/text_log.cpp
                ${CMAKE_CURRENT_LIST_DIR}/text_quads.cpp)
    target_link_libraries(text_log PRIVATE OpenGL::GL OpenGL::GLU ${CMAKE_DL_LIBS})
    set_target_properties(camera_log text_log PROPERTIES
                          LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/preload)
    tyvok_wayland_protocol(tyvok_virtual_pointer_protocol
                           ${CMAKE_CURRENT_LIST_DIR}/virtual-pointer.xml)
    add_executable(virtual_pointer ${CMAKE_CURRENT_LIST_DIR}/virtual_pointer.cpp)
    target_link_libraries(virtual_pointer PRIVATE tyvok_virtual_pointer_protocol)
    add_executable(png_pixels ${CMAKE_CURRENT_LIST_DIR}/png_pixels.cpp)
    target_link_libraries(png_pixels PRIVATE tyvok_png)
    add_executable(compare_pictures ${CMAKE_CURRENT_LIST_DIR}/compare_pictures.cpp)
    target_link_libraries(compare_pictures PRIVATE tyvok_measure)
    tyvok_wayland_protocol(tyvok_measure_xdg_shell
                           ${WAYLAND_PROTOCOLS_DIR}/stable/xdg-shell/xdg-shell.xml)
    add_executable(egl_window ${CMAKE_CURRENT_LIST_DIR}/egl_window.cpp)
    target_link_libraries(egl_window PRIVATE tyvok_measure_xdg_shell OpenGL::EGL OpenGL::GL)
    foreach(tool virtual_pointer tyvok_virtual_pointer_protocol)
        target_compile_options(${tool} PRIVATE $<$<BOOL:${TYVOK_SANITIZE}>:-fno-sanitize=all>)
        target_link_options(${tool} PRIVATE $<$<BOOL:${TYVOK_SANITIZE}>:-fno-sanitize=all>)
    endforeach()
endif()
