# Fails when an #include "<folder>/..." in SOURCE_DIR runs up the layers, bottom to top:
#
#   0  platform                    services: paths, the file writer, clock, dialogs; no settings
#   1  settings                    the profile engine and store, the program's keys
#   2  catalogue                   the picture catalogue and the composed figure, no window
#   3  layouts                     window definitions and controls only
#   4  window                      the main window's vocabulary: part table, shared verbs
#   5  figure/generator            the figure functions (generate_figure)
#   6  figure, shell, bookmarks, views, keeping, ownparts   the handlers
#   7  app                         the composition root and main()
#
# An include runs down the layers or sideways within one, never up.
#   cmake -D SOURCE_DIR=<dir holding the folders> -P check_layers.cmake

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "usage: cmake -D SOURCE_DIR=<src> -P check_layers.cmake")
endif()

# The layer of a path relative to SOURCE_DIR ("figure/generator.h"), or -1 for none of ours.
function(layer_of path out)
    string(REGEX REPLACE "\\.(h|cpp)$" "" stem "${path}")
    string(REGEX MATCH "^[a-z_]+" folder "${path}")
    if(stem STREQUAL "figure/generator")
        set(layer 5)
    elseif(folder STREQUAL "platform")
        set(layer 0)
    elseif(folder STREQUAL "settings")
        set(layer 1)
    elseif(folder STREQUAL "catalogue")
        set(layer 2)
    elseif(folder STREQUAL "layouts")
        set(layer 3)
    elseif(folder STREQUAL "window")
        set(layer 4)
    elseif(folder MATCHES "^(figure|shell|bookmarks|views|keeping|ownparts)$")
        set(layer 6)
    elseif(folder STREQUAL "app")
        set(layer 7)
    else()
        set(layer -1)
    endif()
    set(${out} ${layer} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(violations "")
set(checked 0)
foreach(source IN LISTS sources)
    layer_of("${source}" from)
    if(from LESS 0)
        list(APPEND violations "${source}: in no layer")
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" included "${line}")
        layer_of("${included}" to)
        math(EXPR checked "${checked} + 1")
        if(to LESS 0)
            list(APPEND violations "${source}: includes \"${included}\", in no layer")
        elseif(to GREATER from)
            list(APPEND violations
                 "${source} (layer ${from}) includes \"${included}\" (layer ${to})")
        endif()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "includes that run up the layers:\n  ${text}")
endif()
message(STATUS "${checked} includes checked, none runs up the layers")
