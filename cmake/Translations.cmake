# The translations: translations/meldora_LANG.ts in the repository, turned
# into meldora_LANG.qm in the build folder's translations folder, where the
# program finds them beside itself (installed: share/meldora/translations).
# `cmake --build build --target update_translations` brings the .ts files up
# to date with the sources; scripts/check-translations.sh (a test) fails
# while they are not, or while a text is left untranslated.
file(GLOB meldora_ts_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/meldora_*.ts)
set_source_files_properties(${meldora_ts_files} PROPERTIES
    OUTPUT_LOCATION ${CMAKE_BINARY_DIR}/translations)
qt_add_lrelease(meldora TS_FILES ${meldora_ts_files} QM_FILES_OUTPUT_VARIABLE meldora_qm_files
    OPTIONS -silent)
# Every text the player sees lies in these folders; the runner (src/sim)
# speaks English only.
set(meldora_translated_folders core player opponent scores hint review shell app)
set(meldora_translated_sources)
foreach(folder ${meldora_translated_folders})
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
        ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/src/${folder}/*.h)
    list(APPEND meldora_translated_sources ${found})
endforeach()
qt_add_lupdate(meldora TS_FILES ${meldora_ts_files} SOURCES ${meldora_translated_sources}
    INCLUDE_DIRECTORIES src/core src/scores src/opponent src/player src/review src/shell
    OPTIONS -no-obsolete -locations none -silent)
