# Everything the generators in tools/ make, named once. The Linux tree runs the generators
# (tools/CMakeLists.txt); the Windows tree cannot run them, so it brings its Linux tree up to
# date before it compiles or packs anything of theirs. Each name is read from the one file that
# already says it: the code that loads the file, or the resource list.

# Reads the quoted names matching `pattern` from a source file, and builds again when it changes.
function(frost_read_names out file pattern)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
  file(STRINGS ${file} lines REGEX "${pattern}")
  string(REGEX MATCHALL "${pattern}" names "${lines}")
  string(REGEX REPLACE "[\"<>]" "" names "${names}")
  if(NOT names)
    message(FATAL_ERROR "${file} names nothing matching ${pattern}")
  endif()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

if(WIN32)
  set(FROST_GENERATED_ROOT ${FROST_HOST_BUILD_DIR})
  if(NOT EXISTS ${FROST_HOST_BUILD_DIR}/CMakeCache.txt)
    message(FATAL_ERROR "${FROST_HOST_BUILD_DIR} is no Linux build tree: build one "
                        "(tools/build.sh) first, or point FROST_HOST_BUILD_DIR at one")
  endif()
else()
  set(FROST_GENERATED_ROOT ${CMAKE_BINARY_DIR})
endif()
set(FROST_GENERATED_DATA_DIR ${FROST_GENERATED_ROOT}/share/frostmote)
set(FROST_GENERATED_DIR ${FROST_GENERATED_ROOT}/generated)

# The data folder, relative to it: the scene's pictures and font, the preview's picture, the
# default music.
frost_read_names(FROST_ART_FILES ${PROJECT_SOURCE_DIR}/src/scene/data_files.h
                 "\"[^\"]+\\.(jpg|tga)\"")
frost_read_names(FROST_SPLASH_FILE ${PROJECT_SOURCE_DIR}/src/shell/preview.h
                 "\"[^\"]+\\.jpg\"")
frost_read_names(frost_music ${PROJECT_SOURCE_DIR}/src/settings/saver_settings.h
                 "\"[^\"]+\\.mp3\"")
# Written as the Windows path beneath the data folder.
string(REGEX REPLACE "\\\\\\\\" "/" frost_music "${frost_music}")
string(REGEX REPLACE "^/" "" FROST_MUSIC_FILE "${frost_music}")

# The solid models' tables, compiled into the program.
set(FROST_MESH_TABLES ${FROST_GENERATED_DIR}/mesh_tables.cpp)

# The dialogs: the GTK host compiles in what its resource list names (tables and style sheet
# from resources/, pictures from the dialog art generator); the Windows tree's resource script
# includes templates written from the same tables, and the same pictures.
set(FROST_RESOURCE_LIST ${PROJECT_SOURCE_DIR}/resources/frostmote.gresource.xml)
frost_read_names(frost_resource_entries ${FROST_RESOURCE_LIST} ">[^<>; ]+<")
set(FROST_DIALOG_ART_DIR ${FROST_GENERATED_DIR}/dialog_art)
set(FROST_RESOURCE_FILES "")
set(FROST_DIALOG_ART "")
set(FROST_DIALOG_TABLES "")
foreach(entry ${frost_resource_entries})
  if(EXISTS ${PROJECT_SOURCE_DIR}/resources/${entry})
    list(APPEND FROST_RESOURCE_FILES ${PROJECT_SOURCE_DIR}/resources/${entry})
    if(entry MATCHES "\\.dialog$")
      list(APPEND FROST_DIALOG_TABLES ${PROJECT_SOURCE_DIR}/resources/${entry})
    endif()
  else()
    list(APPEND FROST_DIALOG_ART ${FROST_DIALOG_ART_DIR}/${entry})
  endif()
endforeach()
list(APPEND FROST_RESOURCE_FILES ${FROST_DIALOG_ART})
set(FROST_DIALOG_SCRIPT_DIR ${FROST_GENERATED_DIR}/dialogs)
set(FROST_DIALOG_SCRIPT ${FROST_DIALOG_SCRIPT_DIR}/dialogs.rc)

set(FROST_GENERATED_FILES ${FROST_MESH_TABLES} ${FROST_DIALOG_ART} ${FROST_DIALOG_SCRIPT})
foreach(file ${FROST_ART_FILES} ${FROST_SPLASH_FILE} ${FROST_MUSIC_FILE})
  list(APPEND FROST_GENERATED_FILES ${FROST_GENERATED_DATA_DIR}/${file})
endforeach()

if(WIN32)
  # Runs every build and changes nothing when the Linux tree is current; when a generator
  # changed, what it made is made again and everything here that uses it follows.
  add_custom_target(frost_generated
    COMMAND ${CMAKE_COMMAND} --build ${FROST_HOST_BUILD_DIR} --target frost_generated
    BYPRODUCTS ${FROST_GENERATED_FILES}
    COMMENT "Bringing the generated files of ${FROST_HOST_BUILD_DIR} up to date"
    VERBATIM)
endif()
