# Checks that the program's files keep to its layers, as the folders and the build's libraries
# define them. Each layer is a folder, built as one library, pruefer_<folder>; the layers come
# in order, lowest first.
# - Every source that the build compiles into the program, and every C++ file outside the
#   folders of no layer (tests/, bench/, fuzz/) and outside build trees, is in a layer's folder;
#   the build compiles it into that layer's library, or, in program/, into an executable; a
#   source that this build does not compile is one that another platform's build does.
# - Every include of a file of the program is spelled from the top and names a layer no later
#   than the includer's own: includes run down the layers, never up.
# - The coding core includes no stream: it reads and writes nothing.
# Takes -DSOURCE_DIR, the top of the sources, and -DMANIFEST, the file the build writes: the
# layers in order (LAYERS), the executables (PROGRAMS), for each source compiled into the
# program "TARGET:PATH" with the path from the top (BUILT), and the sources that only another
# platform's build compiles (ELSEWHERE).
cmake_minimum_required(VERSION 3.25)
include(${MANIFEST})
set(apart tests bench fuzz)
set(streams iostream istream ostream sstream fstream iosfwd cstdio stdio.h)
set(faults "")

# The layer of `path`, a path from the top, by its first folder; empty when it names none.
function(layer_of path result)
  set(layer "")
  if(path MATCHES "^([^/]+)/" AND CMAKE_MATCH_1 IN_LIST LAYERS)
    set(layer ${CMAKE_MATCH_1})
  endif()
  set(${result} ${layer} PARENT_SCOPE)
endfunction()

# Every library and executable of the program builds only sources of its own layer's folder.
foreach(entry IN LISTS BUILT)
  string(FIND "${entry}" ":" colon)
  string(SUBSTRING "${entry}" 0 ${colon} target)
  math(EXPR colon "${colon} + 1")
  string(SUBSTRING "${entry}" ${colon} -1 source)
  layer_of(${source} layer)
  if(NOT layer)
    string(APPEND faults "${source}, built into ${target}, is in no layer's folder\n")
  elseif(NOT target STREQUAL "pruefer_${layer}" AND
         NOT (target IN_LIST PROGRAMS AND layer STREQUAL "program"))
    string(APPEND faults "${source} is in ${layer}/ but built into ${target}\n")
  endif()
endforeach()
foreach(layer IN LISTS LAYERS)
  if(NOT "${BUILT}" MATCHES "(^|;)pruefer_${layer}:")
    string(APPEND faults "no library pruefer_${layer} is built from ${layer}/\n")
  endif()
endforeach()

# The includes of one file of `layer`, whose place in the order is `rank`.
function(check_includes file layer rank)
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS includes)
    if(NOT line MATCHES "include[ \t]*[\"<]([^\">]*)[\">]")
      continue()
    endif()
    set(included ${CMAKE_MATCH_1})
    layer_of(${included} target)
    if(target)
      list(FIND LAYERS ${target} target_rank)
      if(target_rank GREATER rank)
        string(APPEND faults
          "${file} (${layer}) includes ${included}, which runs up to ${target}\n")
      endif()
    elseif(line MATCHES "\"")
      string(APPEND faults "${file} includes \"${included}\", which names no layer's folder\n")
    elseif(layer STREQUAL "tree" AND included IN_LIST streams)
      string(APPEND faults
        "${file} (tree) includes <${included}>: the core reads and writes no stream\n")
    endif()
  endforeach()
  set(faults "${faults}" PARENT_SCOPE)
endfunction()

# The sources that this build compiles into the program, paths from the top.
set(compiled "")
foreach(entry IN LISTS BUILT)
  string(REGEX REPLACE "^[^:]*:" "" source "${entry}")
  list(APPEND compiled ${source})
endforeach()

# Every C++ file in the sources, by the folder it is in.
file(GLOB children RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
foreach(child IN LISTS children)
  if(child IN_LIST apart OR child MATCHES "^\\." OR EXISTS ${SOURCE_DIR}/${child}/CMakeCache.txt)
    continue()
  endif()
  file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${child}/*.cpp
    ${SOURCE_DIR}/${child}/*.hpp ${SOURCE_DIR}/${child}/*.h ${SOURCE_DIR}/${child}/*.cc)
  if(NOT IS_DIRECTORY ${SOURCE_DIR}/${child} AND child MATCHES "\\.(cpp|hpp|h|cc)$")
    set(files ${child})
  endif()
  list(FIND LAYERS ${child} rank)
  foreach(file IN LISTS files)
    if(rank EQUAL -1)
      string(APPEND faults "${file} is in no layer's folder\n")
    else()
      check_includes(${file} ${child} ${rank})
      if(file MATCHES "\\.(cpp|cc)$" AND NOT file IN_LIST compiled AND NOT file IN_LIST ELSEWHERE)
        string(APPEND faults "${file} is built by no library or executable of any platform\n")
      endif()
    endif()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "files that break the layers (${LAYERS}, lowest first):\n${faults}")
endif()
