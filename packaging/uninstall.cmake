# cmake -DFROST_INSTALLED_LIST=<build>/installed_files.txt -P uninstall.cmake
#
# Removes every file the last installation listed, then each folder that is left empty, up to
# (not including) the folder all of them share: the prefix, or the root when the key went to
# /etc. Folders that still hold anything else stay. The list goes last, so that running this
# twice cannot remove a later copy installed by other means.
if(NOT EXISTS "${FROST_INSTALLED_LIST}")
  message(FATAL_ERROR "Nothing to uninstall: ${FROST_INSTALLED_LIST} is missing.")
endif()
file(STRINGS "${FROST_INSTALLED_LIST}" frost_paths)

# starts_with(RESULT TEXT PREFIX): a plain comparison; paths may hold regex characters.
function(starts_with result text prefix)
  string(FIND "${text}" "${prefix}" position)
  if(position EQUAL 0)
    set(${result} TRUE PARENT_SCOPE)
  else()
    set(${result} FALSE PARENT_SCOPE)
  endif()
endfunction()

set(frost_root "")
foreach(path IN LISTS frost_paths)
  cmake_path(GET path PARENT_PATH dir)
  if(frost_root STREQUAL "")
    set(frost_root "${dir}")
  endif()
  starts_with(inside "${dir}/" "${frost_root}/")
  while(NOT inside AND NOT frost_root STREQUAL "/")
    cmake_path(GET frost_root PARENT_PATH frost_root)
    starts_with(inside "${dir}/" "${frost_root}/")
  endwhile()
endforeach()

foreach(path IN LISTS frost_paths)
  # A link to a program removed before it no longer EXISTS, but is still there.
  if(IS_SYMLINK "${path}" OR EXISTS "${path}")
    message(STATUS "Removing ${path}")
    file(REMOVE "${path}")
  else()
    message(STATUS "Already gone: ${path}")
  endif()
endforeach()

foreach(path IN LISTS frost_paths)
  cmake_path(GET path PARENT_PATH dir)
  while(NOT dir STREQUAL frost_root AND IS_DIRECTORY "${dir}" AND NOT IS_SYMLINK "${dir}")
    file(GLOB left LIST_DIRECTORIES true "${dir}/*" "${dir}/.*")
    if(left)
      break()
    endif()
    message(STATUS "Removing empty folder ${dir}")
    file(REMOVE_RECURSE "${dir}")
    cmake_path(GET dir PARENT_PATH dir)
  endwhile()
endforeach()
file(REMOVE "${FROST_INSTALLED_LIST}")
