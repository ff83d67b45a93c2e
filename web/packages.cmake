# The page's npm packages, installed from the pinned lock file into the build's npm/ folder: the
# layout library, bundled into the page and imported by the models' tests; the bundler; and
# axe-core, which the browser test runs. Defines PRUEFER_NODE_MODULES, the folder they are in,
# and the target web_packages.
set(packages ${PROJECT_BINARY_DIR}/npm)
set(PRUEFER_NODE_MODULES ${packages}/node_modules)
add_custom_command(OUTPUT ${PRUEFER_NODE_MODULES}/.package-lock.json
  COMMAND ${CMAKE_COMMAND} -E make_directory ${packages}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_LIST_DIR}/package.json
    ${CMAKE_CURRENT_LIST_DIR}/package-lock.json ${packages}
  COMMAND npm ci --ignore-scripts --no-audit --no-fund --prefix ${packages}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/package.json ${CMAKE_CURRENT_LIST_DIR}/package-lock.json
  COMMENT "Installing the page's packages (npm ci)"
  VERBATIM)
add_custom_target(web_packages ALL DEPENDS ${PRUEFER_NODE_MODULES}/.package-lock.json)
