# The program icon: PNGs at the usual sizes and a multi-size .ico, all drawn
# from the one SVG source at build time, so the window, the desktop menu and
# the Windows executable show the same picture.
#   vorlan_add_icons(TARGET)  renders the icons into ${PROJECT_BINARY_DIR}/icons
#                             and compiles the PNGs into TARGET as resources
#                             (":/icons/vorlan-<size>.png").
set(VORLAN_ICON_SOURCE ${PROJECT_SOURCE_DIR}/packaging/icons/vorlan.svg)
set(VORLAN_ICON_SIZES 16 22 24 32 48 64 128 256)
set(VORLAN_ICON_DIR ${PROJECT_BINARY_DIR}/icons)

function(vorlan_add_icons target)
    find_program(VORLAN_RSVG_CONVERT rsvg-convert)
    find_program(VORLAN_IMAGEMAGICK NAMES convert magick)
    if(NOT VORLAN_RSVG_CONVERT OR NOT VORLAN_IMAGEMAGICK)
        message(FATAL_ERROR "The program icon needs rsvg-convert (librsvg2-bin) and "
                            "ImageMagick's convert: run scripts/install-deps")
    endif()
    set(pngs)
    set(qrc_entries)
    foreach(size IN LISTS VORLAN_ICON_SIZES)
        set(png ${VORLAN_ICON_DIR}/vorlan-${size}.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${VORLAN_ICON_DIR}
            COMMAND ${VORLAN_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${VORLAN_ICON_SOURCE}
            DEPENDS ${VORLAN_ICON_SOURCE}
            VERBATIM)
        list(APPEND pngs ${png})
        string(APPEND qrc_entries "    <file alias=\"icons/vorlan-${size}.png\">${png}</file>\n")
    endforeach()

    set(ico ${VORLAN_ICON_DIR}/vorlan.ico)
    add_custom_command(OUTPUT ${ico}
        COMMAND ${VORLAN_IMAGEMAGICK} ${pngs} ${ico}
        DEPENDS ${pngs}
        COMMENT "Writing the multi-size icon icons/vorlan.ico"
        VERBATIM)

    set(qrc ${VORLAN_ICON_DIR}/vorlan_icons.qrc)
    file(CONFIGURE OUTPUT ${qrc}
         CONTENT "<RCC>\n  <qresource prefix=\"/\">\n${qrc_entries}  </qresource>\n</RCC>\n")
    set(rcc_cpp ${VORLAN_ICON_DIR}/qrc_vorlan_icons.cpp)
    add_custom_command(OUTPUT ${rcc_cpp}
        COMMAND Qt6::rcc --name vorlan_icons -o ${rcc_cpp} ${qrc}
        DEPENDS ${qrc} ${pngs}
        VERBATIM)
    add_custom_target(vorlan_icons ALL DEPENDS ${pngs} ${ico})

    # An object library of this folder carries the generated source, so the
    # rule that makes it belongs to the same folder as its consumer.
    add_library(vorlan_icon_resources OBJECT ${rcc_cpp})
    set_target_properties(vorlan_icon_resources PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    target_link_libraries(vorlan_icon_resources PRIVATE Qt6::Core)
    target_link_libraries(${target} PRIVATE vorlan_icon_resources)
    add_dependencies(vorlan_icon_resources vorlan_icons)
endfunction()
