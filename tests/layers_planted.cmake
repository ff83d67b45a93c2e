# Plants in scratch copies of the sources what the layer check must refuse, one fault a copy,
# and sees it refuse each with a line naming the fault; the copy as it is passes.
# Takes -DSOURCE_DIR, -DMANIFEST, -DCHECK (layers.cmake) and -DSCRATCH, a folder to use.
cmake_minimum_required(VERSION 3.25)
include(${MANIFEST})

# A fresh copy of the layers' folders and of the manifest, in SCRATCH/name.
function(make_copy name)
  set(copy ${SCRATCH}/${name})
  file(REMOVE_RECURSE ${copy})
  file(MAKE_DIRECTORY ${copy})
  foreach(layer IN LISTS LAYERS)
    file(COPY ${SOURCE_DIR}/${layer} DESTINATION ${copy})
  endforeach()
  file(COPY ${MANIFEST} DESTINATION ${copy})
endfunction()

# Runs the check on SCRATCH/name; it must pass when `expected` is empty, and otherwise fail with
# `expected` in its report.
function(expect name expected)
  set(copy ${SCRATCH}/${name})
  get_filename_component(manifest ${MANIFEST} NAME)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${copy} -DMANIFEST=${copy}/${manifest} -P ${CHECK}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(REPLACE "\n" " " output "${output}")
  if(expected STREQUAL "" AND NOT status EQUAL 0)
    message(SEND_ERROR "${name}: the unchanged copy fails the check: ${output}")
  elseif(NOT expected STREQUAL "" AND (status EQUAL 0 OR NOT output MATCHES "${expected}"))
    message(SEND_ERROR "${name}: expected a failure reporting '${expected}', got ${status}: ${output}")
  endif()
endfunction()

make_copy(unchanged)
expect(unchanged "")

make_copy(include_up)
file(WRITE ${SCRATCH}/include_up/tree/stray.cpp "#include \"program/menu.hpp\"\n")
expect(include_up "tree/stray.cpp \\(tree\\) includes program/menu.hpp, which runs up")

make_copy(viewer_in_core)
file(WRITE ${SCRATCH}/viewer_in_core/tree/stray.hpp "#include <requests/tree_viewer.hpp>\n")
expect(viewer_in_core "tree/stray.hpp \\(tree\\) includes requests/tree_viewer.hpp")

make_copy(stream_in_core)
file(WRITE ${SCRATCH}/stream_in_core/tree/stray.cpp "#include <ostream>\n")
expect(stream_in_core "tree/stray.cpp \\(tree\\) includes <ostream>")

make_copy(folder_of_no_layer)
file(WRITE ${SCRATCH}/folder_of_no_layer/helpers/helper.cpp "int helper() { return 0; }\n")
expect(folder_of_no_layer "helpers/helper.cpp is in no layer's folder")

make_copy(built_elsewhere)
get_filename_component(manifest_name ${MANIFEST} NAME)
file(APPEND ${SCRATCH}/built_elsewhere/${manifest_name}
  "list(APPEND BUILT \"pruefer_requests:tree/storage.cpp\")\n")
expect(built_elsewhere "tree/storage.cpp is in tree/ but built into pruefer_requests")
