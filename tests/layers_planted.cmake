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

# Plants `text` as the file `file` in a fresh copy named `name`, and expects the check to refuse
# the copy with `expected`.
function(plant name file text expected)
  make_copy(${name})
  file(APPEND ${SCRATCH}/${name}/${file} "${text}")
  expect(${name} "${expected}")
endfunction()

make_copy(unchanged)
expect(unchanged "")

plant(include_up tree/stray.cpp "#include \"program/menu.hpp\"\n"
  "tree/stray.cpp \\(tree\\) includes program/menu.hpp, which runs up")
plant(viewer_in_core tree/stray.hpp "#include <requests/tree_viewer.hpp>\n"
  "tree/stray.hpp \\(tree\\) includes requests/tree_viewer.hpp")
plant(stream_in_core tree/stray.cpp "#include <ostream>\n"
  "tree/stray.cpp \\(tree\\) includes <ostream>")
plant(built_by_none tree/forgotten.cpp "int forgotten() { return 0; }\n"
  "tree/forgotten.cpp is built by no library or executable of any platform")
plant(folder_of_no_layer helpers/helper.cpp "int helper() { return 0; }\n"
  "helpers/helper.cpp is in no layer's folder")
get_filename_component(manifest ${MANIFEST} NAME)
plant(built_elsewhere ${manifest} "list(APPEND BUILT \"pruefer_requests:tree/storage.cpp\")\n"
  "tree/storage.cpp is in tree/ but built into pruefer_requests")
