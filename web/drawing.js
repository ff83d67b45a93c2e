// The picture of a tree: rooted at vertex n, which the walk that finds the code never removes,
// each edge labelled with the step that removes it (and at which the decoding joins it), with
// the walk's steps in a table below it and a control that steps through them.

import { RADIUS, layOut } from "./layout.js";
import { walkTable, stepControl } from "./walk_table.js";
import { STEPPING_KEYS } from "./narration.js";

const SVG = "http://www.w3.org/2000/svg";
const LABEL_FONT = "12px system-ui, sans-serif"; // as the style sheet sets edge labels
const LABEL_HEIGHT = 14;
const LABEL_PADDING = 2; // on either side, for the halo behind a label

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

// A figure with the tree on n vertices that `walk` ({ coding, steps, last }) walks through:
// the control that steps through the walk, and its drawing beside the walk's table.
export function drawWalk(n, walk) {
  const order = [...walk.steps.map((step) => [step.leaf, step.entry]), walk.last];
  const svg = drawTree(n, order);
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
  view.append(svg, table);
  const hint = document.createElement("p");
  hint.className = "hint";
  hint.textContent = STEPPING_KEYS;
  node.append(stepControl(node, svg, table, walk), view, caption, hint);
  return node;
}

// The drawing of the tree on n vertices whose edges are given in the order the walk removes
// them, as [leaf, parent] pairs, the edge left over last.
function drawTree(n, order) {
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
    const [u, v] = leaf < next ? [leaf, next] : [next, leaf];
    const from = points.get(leaf);
    const to = points.get(next);
    const step = k === order.length - 1 ? "last" : k + 1;
    const edge = element("g", { class: "edge", "data-edge": `${u}-${v}`, "data-step": step });
    edge.append(
      element("line", { x1: from.x, y1: from.y, x2: to.x, y2: to.y }),
      element("text", { x: labels[k].x, y: labels[k].y }, texts[k]),
    );
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

// A figure that says in words why there is no drawing.
export function noDrawing(caption) {
  const node = document.createElement("figure");
  const text = document.createElement("figcaption");
  text.textContent = caption;
  node.append(text);
  return node;
}
