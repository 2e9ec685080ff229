# The installed layout, under GNU's usual folders (prefix /usr/local unless
# told otherwise): the program, its data, the menu entry and its icons, the
# AppStream metadata, the manual page and the licence.
include(GNUInstallDirs)
set(MELDORA_ID org.meldora.Meldora)
set(MELDORA_DIST ${CMAKE_SOURCE_DIR}/dist)
# Directories made by the install are world-readable whatever the umask, as
# packages and shared prefixes need.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS meldora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS meldora_sound meldora_history LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/meldora)
# Everything the game reads beside itself in a build folder, it reads from
# share/meldora once installed.
install(DIRECTORY data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/meldora)
install(FILES ${meldora_qm_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/meldora/translations)

install(FILES ${MELDORA_DIST}/${MELDORA_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The metadata and the manual page carry the version of the project() line.
configure_file(${MELDORA_DIST}/${MELDORA_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/dist/${MELDORA_ID}.metainfo.xml @ONLY)
configure_file(${MELDORA_DIST}/meldora.6.in ${CMAKE_BINARY_DIR}/dist/meldora.6 @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/dist/${MELDORA_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${MELDORA_DIST}/${MELDORA_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The fixed sizes are drawn from the scalable icon at build time by a small
# tool of our own, with the same renderer as the window's icon.
add_executable(meldora-render-icon tools/render_icon.cpp)
target_link_libraries(meldora-render-icon PRIVATE Qt6::Gui Qt6::Svg)
set(icon_pngs)
foreach(size 16 32 48 64 128 256)
    set(folder ${CMAKE_BINARY_DIR}/icons/${size}x${size})
    add_custom_command(OUTPUT ${folder}/${MELDORA_ID}.png
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND meldora-render-icon ${MELDORA_DIST}/${MELDORA_ID}.svg ${size}
                ${folder}/${MELDORA_ID}.png
        DEPENDS meldora-render-icon ${MELDORA_DIST}/${MELDORA_ID}.svg VERBATIM)
    list(APPEND icon_pngs ${folder}/${MELDORA_ID}.png)
    install(FILES ${folder}/${MELDORA_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual pages and changelogs are installed compressed, without a time stamp,
# so that two builds of the same source give the same files.
set(gzipped)
foreach(source ${CMAKE_BINARY_DIR}/dist/meldora.6 ${MELDORA_DIST}/changelog)
    get_filename_component(target ${source} NAME)
    set(target ${target}.gz)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${target}
        COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" gzip ${source} ${CMAKE_BINARY_DIR}/${target}
        DEPENDS ${source} VERBATIM)
    list(APPEND gzipped ${CMAKE_BINARY_DIR}/${target})
endforeach()
add_custom_target(meldora_install_files ALL DEPENDS ${icon_pngs} ${gzipped})
install(FILES ${CMAKE_BINARY_DIR}/meldora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${MELDORA_DIST}/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/meldora)
