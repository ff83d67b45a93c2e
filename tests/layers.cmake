# Checks that every layer includes only the layers below it: the coding core nothing of the
# dialogue, the session nothing of the trees, the requests nothing of the menu.
# Takes -DSOURCE_DIR, the top of the sources.
set(core tree/adjacency_matrix tree/decoding tree/edge_set tree/encoding tree/leaf_pruning
  tree/storage tree/walk)
set(session session/memory_budget session/prompt session/session session/standard_streams
  platform/memory_budget platform/standard_streams
  session/stream_buffers)
set(requests requests/code_of_tree requests/tree_of_code requests/tree_viewer)
set(forbidden_core "session/|program/|requests/|platform/")
set(forbidden_session "tree/|requests/|program/")
set(forbidden_requests "program/")

set(faults "")
foreach(layer core session requests)
  foreach(stem IN LISTS ${layer})
    file(GLOB files ${SOURCE_DIR}/${stem}*.hpp ${SOURCE_DIR}/${stem}*.cpp)
    if(NOT files)
      string(APPEND faults "no file of ${stem}\n")
    endif()
    foreach(file IN LISTS files)
      file(STRINGS ${file} includes REGEX "^#include \"(${forbidden_${layer}})")
      if(includes)
        string(APPEND faults "${file} (${layer}): ${includes}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "includes that run back up the layers:\n${faults}")
endif()
