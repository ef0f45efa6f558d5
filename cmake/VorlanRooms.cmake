# One library per room of src/, linked in the order of src/layers.txt, so that
# the build itself refuses an include against that order.
#
#   vorlan_room(NAME sources...)     the room's core: plain C++, no Qt, no moc
#   vorlan_room_ui(NAME sources...)  the room's ui/: Qt Widgets
#
# A room's library sees the headers of its own room and of the rooms on lower
# lines only: each room's folder is linked into a directory of its own in the
# build tree (rooms/<name>/<name>), and that directory is a public include
# directory of the room's core library alone. An include of a peer or a higher
# room then finds no file. Where the file system makes no links, every room
# sees src/ and only scripts/check-style keeps the order.

set(VORLAN_ROOMS_DIR ${PROJECT_BINARY_DIR}/rooms)

# Reads src/layers.txt: VORLAN_ROOM_<name>_BELOW lists the rooms on lower lines.
function(vorlan_read_layers)
    file(STRINGS ${PROJECT_SOURCE_DIR}/src/layers.txt lines)
    set(below)
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "#.*" "" line "${line}")
        string(STRIP "${line}" line)
        if(line STREQUAL "")
            continue()
        endif()
        string(REGEX REPLACE "[ \t]+" ";" rooms "${line}")
        foreach(room IN LISTS rooms)
            set(VORLAN_ROOM_${room}_BELOW ${below} PARENT_SCOPE)
            list(APPEND VORLAN_ROOMS ${room})
        endforeach()
        list(APPEND below ${rooms})
    endforeach()
    set(VORLAN_ROOMS ${VORLAN_ROOMS} PARENT_SCOPE)
endfunction()

# The include directory that shows the room's folder and nothing else.
function(vorlan_room_include_dir name out)
    set(dir ${VORLAN_ROOMS_DIR}/${name})
    if(NOT EXISTS ${dir}/${name})
        file(MAKE_DIRECTORY ${dir})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${name} ${dir}/${name} RESULT made SYMBOLIC)
        if(NOT made STREQUAL "0")
            message(STATUS "No link for room ${name} (${made}): the layer order is checked by "
                           "scripts/check-style only")
            set(dir ${PROJECT_SOURCE_DIR}/src)
        endif()
    endif()
    set(${out} ${dir} PARENT_SCOPE)
endfunction()

function(vorlan_room name)
    set(target vorlan_${name})
    add_library(${target} STATIC ${ARGN})
    # The core never sees Qt, so it needs none of Qt's generators.
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    vorlan_room_include_dir(${name} dir)
    target_include_directories(${target} PUBLIC ${dir})
    target_link_libraries(${target} PUBLIC vorlan_options)
    foreach(lower IN LISTS VORLAN_ROOM_${name}_BELOW)
        target_link_libraries(${target} PUBLIC vorlan_${lower})
    endforeach()
    target_link_libraries(vorlan_core INTERFACE ${target})
    vorlan_header_check(${target} ${target} ${PROJECT_SOURCE_DIR}/src/${name})
endfunction()

function(vorlan_room_ui name)
    set(target vorlan_${name}_ui)
    add_library(${target} STATIC ${ARGN})
    if(TARGET vorlan_${name})
        target_link_libraries(${target} PUBLIC vorlan_${name})
    else()
        vorlan_room_include_dir(${name} dir)
        target_include_directories(${target} PUBLIC ${dir})
        target_link_libraries(${target} PUBLIC vorlan_options)
    endif()
    target_link_libraries(${target} PUBLIC Qt6::Widgets)
    foreach(lower IN LISTS VORLAN_ROOM_${name}_BELOW)
        target_link_libraries(${target} PUBLIC vorlan_${lower})
        if(TARGET vorlan_${lower}_ui)
            target_link_libraries(${target} PUBLIC vorlan_${lower}_ui)
        endif()
    endforeach()
    vorlan_header_check(${target} ${target} ${PROJECT_SOURCE_DIR}/src/${name}/ui)
    if(NOT TARGET vorlan_${name}) # a front end: its folder is all window code
        vorlan_header_check(${target}_own ${target} ${PROJECT_SOURCE_DIR}/src/${name})
    endif()
endfunction()

# `header-check`: every header compiled on its own, inside its own room: a
# core header with its core library's include view (no Qt, no higher room),
# a ui/ header with its ui library's. A header that leans on what its includer
# happened to include before it, or on a room it may not see, fails here.
# Not part of `all`: `make header-check` and CI build it.
if(NOT TARGET header-check)
    add_custom_target(header-check)
endif()

function(vorlan_header_check name library dir)
    file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
    if(NOT headers)
        return()
    endif()
    set(sources)
    foreach(header IN LISTS headers)
        file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR}/src ${header})
        string(MAKE_C_IDENTIFIER ${shown} id)
        set(source ${PROJECT_BINARY_DIR}/header-check/${id}.cpp)
        set(text "#include \"${shown}\"\n")
        # Written only when it changes, so a configure rebuilds nothing.
        if(EXISTS ${source})
            file(READ ${source} old)
        endif()
        if(NOT EXISTS ${source} OR NOT old STREQUAL text)
            file(WRITE ${source} ${text})
        endif()
        list(APPEND sources ${source})
    endforeach()
    set(check ${name}_headers)
    add_library(${check} OBJECT EXCLUDE_FROM_ALL ${sources})
    # Compiled, never linked: moc is not needed to see that a header stands.
    set_target_properties(${check} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    target_link_libraries(${check} PRIVATE ${library})
    add_dependencies(header-check ${check})
endfunction()
