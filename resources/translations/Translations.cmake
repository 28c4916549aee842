# The translations, compiled into the `resources` library as Qt resources
# under :/translations: ours, built from the .ts files beside this file, and
# Qt's own Japanese one (its buttons and file dialog). Linux and Windows
# load them alike (editor/window/Translations.cpp). The host's lrelease
# builds ours, not qt_add_translations: the Qt for Windows of the cross
# build has no Linguist tools. Qt's file comes from the host too, of the
# same Qt 6.4 as both builds.
find_program(LRELEASE lrelease HINTS /usr/lib/qt6/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_file(QTBASE_JA_QM qtbase_ja.qm HINTS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(qm_dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
configure_file(${QTBASE_JA_QM} ${qm_dir}/qtbase_ja.qm COPYONLY)
set(qrc_entries "<file>qtbase_ja.qm</file>")
file(GLOB ts_files CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.ts)
foreach(ts ${ts_files})
  get_filename_component(name ${ts} NAME_WE)
  add_custom_command(OUTPUT ${qm_dir}/${name}.qm
    COMMAND ${LRELEASE} -silent ${ts} -qm ${qm_dir}/${name}.qm
    DEPENDS ${ts} VERBATIM)
  string(APPEND qrc_entries "<file>${name}.qm</file>")
endforeach()
# A resource file of its own beside the .qm files, as a static library's
# resources are registered by name (Q_INIT_RESOURCE(translations)). Not
# qt_add_resources on the target: its objects would need Qt's targets in
# every folder that links the library.
file(CONFIGURE OUTPUT ${qm_dir}/translations.qrc
     CONTENT "<RCC><qresource prefix=\"/translations\">${qrc_entries}</qresource></RCC>\n")
qt_add_resources(translation_sources ${qm_dir}/translations.qrc)
target_sources(resources PRIVATE ${translation_sources})
