// The picture of a tree: rooted at vertex n, which the walk that finds the code never removes,
// each edge labelled with the step that removes it (and at which the decoding joins it), with
// the walk's steps in a table below it and a control that steps through them.

import { RADIUS, layOut } from "./layout.js";
import { graphOf } from "./graph.js";
import { legendOf } from "./legend.js";
import { edgesOf } from "./walk.js";
import { stepControl, walkTable } from "./walk_view.js";
import { edgeName } from "./words.js";
import { STEPPING_KEYS } from "./narration.js";
import { scrollableByKeyboard } from "./scroll_box.js";
import { PRINT_SCALE, partsOf } from "./print_parts.js";

const SVG = "http://www.w3.org/2000/svg";
const LABEL_FONT = "12px system-ui, sans-serif"; // as the style sheet sets edge labels
const LABEL_HEIGHT = 14;
const LABEL_PADDING = 2; // on either side, for the halo behind a label
const HALO_EDGE = 1; // the patch behind a label reaches this far past the box it was placed in
const MARGIN_OF_GRAPH = 4; // around the drawing of a graph that is no tree

function element(name, attributes = {}, text = null) {
  const node = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) {
    node.setAttribute(key, String(value));
  }
  if (text !== null) {
    node.textContent = text;
  }
  return node;
}

// The size of an edge's label, measured in the font it is drawn in.
function measurer() {
  const context = document.createElement("canvas").getContext("2d");
  context.font = LABEL_FONT;
  return (text) => ({
    width: Math.ceil(context.measureText(text).width) + 2 * LABEL_PADDING,
    height: LABEL_HEIGHT,
  });
}

// A figure with the tree on n vertices that `walk` (as walk.js has it) walks through:
// the control that steps through the walk, and its drawing beside the walk's table.
export function drawWalk(n, walk) {
  const svg = drawTree(n, edgesOf(walk), true);
  const table = walkTable(walk);
  const node = document.createElement("figure");
  const how =
    walk.coding === "encoding"
      ? "each edge is labelled with the step that removes it"
      : "each edge is labelled with the step that joins it, the step that removes it in the encoding";
  const caption = document.createElement("figcaption");
  caption.textContent = `The tree drawn from vertex ${n}, which is never removed; ${how}.`;
  const view = document.createElement("div");
  view.className = "walk-view";
  const drawingBox = document.createElement("div");
  drawingBox.className = "drawing-box";
  drawingBox.append(svg);
  const tableBox = document.createElement("div");
  tableBox.className = "table-box";
  scrollableByKeyboard(drawingBox, "The drawing, scrolling");
  scrollableByKeyboard(tableBox, "The table of the walk, scrolling");
  tableBox.append(table);
  view.append(drawingBox, tableBox);
  const hint = document.createElement("p");
  hint.className = "hint";
  hint.textContent = STEPPING_KEYS;
  node.append(stepControl(node, svg, table, walk), view, caption, legend(legendOf(walk.coding)), hint);
  tableBox.before(printed(svg));
  return node;
}

// What prints in place of a walk's drawing: copies of it with every mark of a step taken off, so
// that the paper shows the whole tree with every edge labelled, whatever step the screen shows,
// and the copies carry no data for the page's scripts to find twice. A drawing too large for
// the page prints in parts, each on a page of its own.
function printed(svg) {
  const box = document.createElement("div");
  box.className = "print-parts";
  const [left, top, width, height] = svg.getAttribute("viewBox").split(" ").map(Number);
  const parts = partsOf({ left, top, width, height });
  const whole = parts.length === 1;
  parts.forEach((part, k) => {
    const copy = svg.cloneNode(true);
    for (const marked of copy.querySelectorAll("[data-edge], [data-vertex]")) {
      for (const name of Object.keys(marked.dataset)) delete marked.dataset[name];
    }
    copy.removeAttribute("role");
    copy.removeAttribute("aria-label");
    if (whole) {
      box.append(copy);
      return;
    }
    copy.setAttribute("viewBox", `${part.left} ${part.top} ${part.width} ${part.height}`);
    copy.setAttribute("width", Math.ceil(part.width * PRINT_SCALE));
    copy.setAttribute("height", Math.ceil(part.height * PRINT_SCALE));
    const page = document.createElement("div");
    const heading = document.createElement("p");
    heading.textContent = `The drawing, part ${k + 1} of ${parts.length}, row by row from the top left`;
    page.append(heading, copy);
    box.append(page);
  });
  return box;
}

// A legend of the marks a drawing uses: each drawn as the drawing draws it, and said in words.
export function legend(entries) {
  const box = document.createElement("div");
  box.className = "legend";
  box.dataset.legend = "";
  const list = document.createElement("ul");
  for (const { mark, state, root, cycle, words } of entries) {
    const swatch = element("svg", { class: "swatch", width: 22, height: 22, viewBox: "0 0 22 22", "aria-hidden": "true" });
    const shape = element("g", { class: mark === "vertex" ? (root ? "vertex root" : "vertex") : "edge" });
    if (state) shape.dataset.state = state;
    if (cycle) shape.dataset.cycle = "";
    shape.append(mark === "vertex" ? element("circle", { cx: 11, cy: 11, r: 8 }) : element("line", { x1: 1, y1: 11, x2: 21, y2: 11 }));
    swatch.append(shape);
    const item = document.createElement("li");
    item.append(swatch, words);
    list.append(item);
  }
  box.append(list);
  return box;
}

// The tree `walk` goes through, placed as drawWalk places it, but with no edge labelled with its
// step: the tree of an exercise, whose walk the labels would give away.
export const drawUnlabelledTree = (n, walk) => drawTree(n, edgesOf(walk), false);

// The drawing of the tree on n vertices whose edges are given in the order the walk removes
// them, as [leaf, parent] pairs, the edge left over last; with `labelled`, each edge labelled
// with that step.
function drawTree(n, order, labelled) {
  const texts = order.map((_, k) => (k === order.length - 1 ? "left over" : String(k + 1)));
  const { points, labels, bounds } = layOut(n, order, texts, measurer());
  const svg = element("svg", {
    viewBox: `${bounds.left} ${bounds.top} ${bounds.width} ${bounds.height}`,
    width: Math.ceil(bounds.width),
    height: Math.ceil(bounds.height),
    role: "img",
    "aria-label": `The tree on ${n} vertices, drawn from vertex ${n}`,
  });
  order.forEach(([leaf, next], k) => {
    const from = points.get(leaf);
    const to = points.get(next);
    const edge = element("g", { class: "edge", "data-edge": edgeName(leaf, next, "-") });
    edge.append(element("line", { x1: from.x, y1: from.y, x2: to.x, y2: to.y }));
    if (labelled) {
      edge.dataset.step = k === order.length - 1 ? "last" : String(k + 1);
      edge.append(...labelOf(labels[k], texts[k]));
    }
    svg.append(edge);
  });
  for (const [v, p] of points) {
    const vertex = element("g", { class: v === n ? "vertex root" : "vertex", "data-vertex": v });
    vertex.append(
      element("circle", { cx: p.x, cy: p.y, r: RADIUS }),
      element("text", { x: p.x, y: p.y }, String(v)),
    );
    svg.append(vertex);
  }
  return svg;
}

// An edge's label at the box placed for it, on a patch of the background that hides every line
// beneath it.
function labelOf({ x, y, width, height }, text) {
  const halo = element("rect", {
    class: "halo",
    x: x - width / 2 - HALO_EDGE,
    y: y - height / 2 - HALO_EDGE,
    width: width + 2 * HALO_EDGE,
    height: height + 2 * HALO_EDGE,
  });
  return [halo, element("text", { x, y }, text)];
}

// A figure that says in words why there is no drawing.
export function noDrawing(caption) {
  const node = document.createElement("figure");
  const text = document.createElement("figcaption");
  text.textContent = caption;
  node.append(text);
  return node;
}

// The vertices 1 to n on a circle, in order, and the edges given (pairs, lower end first) as
// straight lines: a drawing whose places tell nothing of the edges. `gap` is the room between
// neighbouring circles.
export function drawCircle(n, edges, label, gap = 14) {
  const step = 2 * RADIUS + gap;
  const ring = Math.max(3 * RADIUS, (n * step) / (2 * Math.PI));
  const at = (v) => {
    const angle = (2 * Math.PI * (v - 1)) / n - Math.PI / 2;
    return { x: ring * Math.cos(angle), y: ring * Math.sin(angle) };
  };
  const edge = RADIUS + MARGIN_OF_GRAPH;
  const svg = element("svg", {
    viewBox: `${-ring - edge} ${-ring - edge} ${2 * (ring + edge)} ${2 * (ring + edge)}`,
    width: Math.ceil(2 * (ring + edge)),
    height: Math.ceil(2 * (ring + edge)),
    role: "img",
    "aria-label": label,
  });
  for (const [u, v] of edges) {
    const [from, to] = [at(u), at(v)];
    const line = element("g", { class: "edge", "data-edge": edgeName(u, v, "-") });
    line.append(element("line", { x1: from.x, y1: from.y, x2: to.x, y2: to.y }));
    svg.append(line);
  }
  for (let v = 1; v <= n; ++v) {
    const { x, y } = at(v);
    const vertex = element("g", { class: "vertex", "data-vertex": v });
    vertex.append(element("circle", { cx: x, cy: y, r: RADIUS }), element("text", { x, y }, String(v)));
    svg.append(vertex);
  }
  return svg;
}

// A figure of n vertices and the typed edges (pairs, lower end first) that are no tree: every
// edge drawn, those of one cycle marked, and in words the cycle and the vertices it leaves
// unreached.
export function drawGraph(n, edges) {
  const { cycle, unreached, caption: words } = graphOf(n, edges);
  const inCycle = new Set(cycle.map(([u, v]) => edgeName(u, v, "-")));
  const svg = drawCircle(n, edges, `The graph on ${n} vertices that the typed edges make`);
  for (const edge of svg.querySelectorAll("[data-edge]")) {
    if (inCycle.has(edge.dataset.edge)) {
      edge.dataset.cycle = "";
    }
  }
  for (const v of unreached) {
    svg.querySelector(`[data-vertex="${v}"]`).dataset.state = "unreached";
  }
  const caption = document.createElement("figcaption");
  caption.textContent = words;
  const node = document.createElement("figure");
  node.dataset.graph = "not-a-tree";
  node.append(svg, caption, legend(legendOf("graph")));
  return node;
}
