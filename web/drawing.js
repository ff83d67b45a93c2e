// The picture of a tree: rooted at vertex n, which the walk that finds the code never removes,
// each edge labelled with the step that removes it, and the same steps said in words below it.

import { RADIUS, layOut } from "./layout.js";

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

// A figure with the tree on `vertices` vertices whose edges are given in the order the walk
// removes them, as [leaf, parent] pairs, the edge left over last.
export function drawTree(vertices, order) {
  const texts = order.map((_, k) => (k === order.length - 1 ? "left over" : String(k + 1)));
  const { points, labels, bounds } = layOut(vertices, order, texts, measurer());
  const svg = element("svg", {
    viewBox: `${bounds.left} ${bounds.top} ${bounds.width} ${bounds.height}`,
    width: Math.ceil(bounds.width),
    height: Math.ceil(bounds.height),
    role: "img",
    "aria-label": `The tree on ${vertices} vertices, drawn from vertex ${vertices}`,
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
    const kind = v === vertices ? "vertex root" : "vertex";
    const vertex = element("g", { class: kind, "data-vertex": v });
    vertex.append(
      element("circle", { cx: p.x, cy: p.y, r: RADIUS }),
      element("text", { x: p.x, y: p.y }, String(v)),
    );
    svg.append(vertex);
  }
  const how = `Drawn from vertex ${vertices}, which is never removed; each edge is labelled with the step that removes it.`;
  return figure(svg, `${how} ${stepsInWords(order)}`);
}

// The order of removal as a sentence, for every reader.
function stepsInWords(order) {
  const edge = ([a, b]) => `${Math.min(a, b)}–${Math.max(a, b)}`;
  const removed = order.slice(0, -1).map((pair, k) => `step ${k + 1}, ${edge(pair)}`);
  const last = `the edge left over is ${edge(order[order.length - 1])}.`;
  return removed.length > 0 ? `Removed at ${removed.join("; ")}; ${last}` : `No step: ${last}`;
}

// A figure that says in words why there is no drawing.
export function noDrawing(caption) {
  return figure(null, caption);
}

function figure(picture, caption) {
  const node = document.createElement("figure");
  if (picture) {
    node.append(picture);
  }
  const text = document.createElement("figcaption");
  text.textContent = caption;
  node.append(text);
  return node;
}
