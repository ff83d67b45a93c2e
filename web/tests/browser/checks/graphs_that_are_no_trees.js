const figure = arguments[0];
const names = (selector) => [...figure.querySelectorAll(selector)]
  .map((node) => node.dataset.edge ?? node.dataset.vertex).sort();
return {graph: figure.dataset.graph ?? null, edges: names("[data-edge]"),
        cycle: names("[data-edge][data-cycle]"), vertices: names("[data-vertex]").length,
        words: figure.querySelector("figcaption").textContent};
