# Gives a Windows executable its resources: version information from the
# project version, the application manifest (DPI awareness, supported
# Windows versions, common controls, UTF-8 code page) and, when an icon file
# is known (VORLAN_WINDOWS_ICON), the program icon that Explorer and the
# taskbar show.
function(vorlan_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    set(VORLAN_RC_NAME ${target})
    set(VORLAN_RC_DESCRIPTION "${description}")
    set(VORLAN_RC_ICON "")
    if(VORLAN_WINDOWS_ICON)
        set(VORLAN_RC_ICON "1 ICON \"${VORLAN_WINDOWS_ICON}\"")
    endif()
    set(VORLAN_RC_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/vorlan.manifest.in
                   ${VORLAN_RC_MANIFEST} @ONLY)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/vorlan.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
    set(depends ${VORLAN_RC_MANIFEST})
    if(VORLAN_WINDOWS_ICON)
        list(APPEND depends ${VORLAN_WINDOWS_ICON})
    endif()
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${depends}")
endfunction()
