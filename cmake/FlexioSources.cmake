# Every subsystem folder contributes its sources and headers to flexio_core; new files are
# picked up at the next configure.
# Each game has a folder of its own under games/; its screen may live there too.
file(GLOB _game_dirs LIST_DIRECTORIES true CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
     ${CMAKE_CURRENT_SOURCE_DIR}/games/*)
list(FILTER _game_dirs EXCLUDE REGEX "\\.")
set(FLEXIO_SOURCE_DIRS app platform verbs settings progress games ${_game_dirs} quizzes speech screens)
set(FLEXIO_CORE_SOURCES)
foreach(dir IN LISTS FLEXIO_SOURCE_DIRS)
  file(GLOB _files CONFIGURE_DEPENDS
       RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
  list(APPEND FLEXIO_CORE_SOURCES ${_files})
endforeach()
list(REMOVE_ITEM FLEXIO_CORE_SOURCES app/main.cpp)
# The platform's speech and sound engines build a module of their own.
file(GLOB FLEXIO_AUDIO_MODULE_SOURCES CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
     ${CMAKE_CURRENT_SOURCE_DIR}/speech/module/Qt*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/speech/module/Qt*.h)

file(GLOB FLEXIO_QML_FILES CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
     ${CMAKE_CURRENT_SOURCE_DIR}/screens/qml/*.qml ${CMAKE_CURRENT_SOURCE_DIR}/games/*/*.qml)
file(GLOB FLEXIO_QML_RESOURCES CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
     ${CMAKE_CURRENT_SOURCE_DIR}/screens/qml/images/*)
file(GLOB FLEXIO_DATA_FILES CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/resources
     ${CMAKE_CURRENT_SOURCE_DIR}/resources/*.xml ${CMAKE_CURRENT_SOURCE_DIR}/resources/*.tsv
    ${CMAKE_CURRENT_SOURCE_DIR}/resources/*.mp3
     ${CMAKE_CURRENT_SOURCE_DIR}/resources/fonts/*)
list(TRANSFORM FLEXIO_DATA_FILES PREPEND resources/)

# Screens live in screens/qml/ (or a game's folder) but load as qrc:/qt/qml/Flexio/<Name>.qml.
foreach(file IN LISTS FLEXIO_QML_FILES FLEXIO_QML_RESOURCES)
  string(REGEX REPLACE "^(screens/qml|games/[^/]+)/" "" _alias ${file})
  set_source_files_properties(${file} PROPERTIES QT_RESOURCE_ALIAS ${_alias})
endforeach()
