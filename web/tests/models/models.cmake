# The page's models, each tested by Node's own runner on the sources as they stand, with no
# browser and no build of the page: ctest -R web.model runs them in seconds.
find_program(PRUEFER_NODE node)
if(PRUEFER_NODE)
  file(GLOB model_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.js)
  foreach(file IN LISTS model_tests)
    get_filename_component(name ${file} NAME_WE)
    string(REGEX REPLACE "_test$" "" name ${name})
    add_test(NAME web.model.${name}
      COMMAND ${PRUEFER_NODE} --no-warnings --import ./packages.mjs --test ${file}
      WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR})
    set_tests_properties(web.model.${name} PROPERTIES TIMEOUT 60
      ENVIRONMENT PRUEFER_NODE_MODULES=${PRUEFER_NODE_MODULES})
  endforeach()
else()
  message(STATUS "Node.js not found: the page's models are not tested")
endif()
