# Fails when a file includes a header of a layer above its own, or beside it:
#   shell/        shell/
#   quiz/         shell/, quiz/
#   outside/      shell/, outside/ (one platform does not include another's; the
#                 FFmpeg decoder in outside/ffmpeg/ serves Linux and the web)
#   app/window/     shell/, quiz/, app/window/ (the window never reaches the
#                   accessible board that reads it)
#   app/accessible/ shell/, quiz/, app/window/, app/accessible/
#   app/startup/    shell/, quiz/, app/window/, app/accessible/, app/startup/
# and when a file outside outside/ and main.cpp holds a conditional (#if, #ifdef):
# what differs by platform lies in outside/.
# Run as: cmake -DSOURCE_DIR=<checkout> -P CheckLayers.cmake
set(allowed_shell "shell/")
set(allowed_quiz "shell/;quiz/")
set(allowed_outside_qt "shell/;outside/qt/")
set(allowed_outside_ffmpeg "shell/;outside/qt/;outside/ffmpeg/")
set(allowed_outside_linux "shell/;outside/qt/;outside/ffmpeg/;outside/linux/")
set(allowed_outside_web "shell/;outside/qt/;outside/ffmpeg/;outside/web/")
set(allowed_outside_windows "shell/;outside/qt/;outside/windows/")
set(allowed_app_window "shell/;quiz/;app/window/")
set(allowed_app_accessible "shell/;quiz/;app/window/;app/accessible/")
set(allowed_app_startup "shell/;quiz/;app/window/;app/accessible/;app/startup/")

set(faults "")
foreach(layer IN ITEMS shell quiz outside/qt outside/ffmpeg outside/linux outside/windows outside/web app/window
                      app/accessible app/startup)
    string(REPLACE "/" "_" key "${layer}")
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.cpp")
    foreach(source IN LISTS sources)
        if(NOT layer MATCHES "^outside/")
            file(STRINGS "${source}" conditionals REGEX "^[ \t]*#[ \t]*if")
            if(conditionals)
                file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
                string(APPEND faults "  ${shown} holds a conditional: ${conditionals}\n")
            endif()
        endif()
        file(STRINGS "${source}" includes REGEX "^#include +\"[^\"]+/[^\"]+\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include +\"([^\"]+)\".*" "\\1" header "${line}")
            set(fine FALSE)
            foreach(prefix IN LISTS allowed_${key})
                string(FIND "${header}" "${prefix}" at)
                if(at EQUAL 0)
                    set(fine TRUE)
                endif()
            endforeach()
            if(NOT fine)
                file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
                string(APPEND faults "  ${shown} includes ${header}\n")
            endif()
        endforeach()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Includes that point up or across the layers, and conditionals outside outside/:\n${faults}")
endif()
