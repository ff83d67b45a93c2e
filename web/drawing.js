// The picture of a tree: rooted at vertex n, which the walk that finds the code never removes,
// each edge labelled with the step that removes it. Laid out by d3-hierarchy, whose script the
// page loads before this module.

const SVG = "http://www.w3.org/2000/svg";
const ROW = 72; // from a vertex to its children
const COLUMN = 56; // between neighbouring vertices
const RADIUS = 14;

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

// Each vertex's parent when the tree hangs from `root`.
function parentsFrom(root, edges) {
  const neighbours = new Map();
  for (const [a, b] of edges) {
    for (const [u, v] of [[a, b], [b, a]]) {
      if (!neighbours.has(u)) neighbours.set(u, []);
      neighbours.get(u).push(v);
    }
  }
  const parent = new Map([[root, null]]);
  const waiting = [root];
  while (waiting.length > 0) {
    const u = waiting.pop();
    for (const v of neighbours.get(u) ?? []) {
      if (!parent.has(v)) {
        parent.set(v, u);
        waiting.push(v);
      }
    }
  }
  return parent;
}

// A figure with the tree on `vertices` vertices whose edges are given in the order the walk
// removes them, as [leaf, parent] pairs, the edge left over last.
export function drawTree(vertices, order) {
  const parent = parentsFrom(vertices, order);
  const rows = [...parent].map(([id, parentId]) => ({ id, parentId }));
  const root = globalThis.d3
    .stratify()
    .id((row) => String(row.id))
    .parentId((row) => (row.parentId === null ? null : String(row.parentId)))(rows);
  root.sort((a, b) => Number(a.id) - Number(b.id));
  globalThis.d3.tree().nodeSize([COLUMN, ROW])(root);

  const nodes = root.descendants();
  const left = Math.min(...nodes.map((node) => node.x)) - COLUMN;
  const right = Math.max(...nodes.map((node) => node.x)) + COLUMN;
  const bottom = Math.max(...nodes.map((node) => node.y)) + ROW / 2;
  const svg = element("svg", {
    viewBox: `${left} ${-ROW / 2} ${right - left} ${bottom + ROW / 2}`,
    width: right - left,
    height: bottom + ROW / 2,
    role: "img",
  });
  svg.append(element("title", {}, `The tree on ${vertices} vertices, drawn from vertex ${vertices}`));
  const at = new Map(nodes.map((node) => [Number(node.id), node]));
  order.forEach(([leaf, next], index) => {
    const [u, v] = leaf < next ? [leaf, next] : [next, leaf];
    const last = index === order.length - 1;
    const from = at.get(leaf);
    const to = at.get(next);
    const edge = element("g", { class: "edge", "data-edge": `${u}-${v}`, "data-step": last ? "last" : index + 1 });
    edge.append(element("line", { x1: from.x, y1: from.y, x2: to.x, y2: to.y }), label(from, to, last ? "left over" : String(index + 1)));
    svg.append(edge);
  });
  for (const node of nodes) {
    const v = Number(node.id);
    const vertex = element("g", { class: v === vertices ? "vertex root" : "vertex", "data-vertex": v });
    vertex.append(element("circle", { cx: node.x, cy: node.y, r: RADIUS }), element("text", { x: node.x, y: node.y }, String(v)));
    svg.append(vertex);
  }
  return figure(svg, `Drawn from vertex ${vertices}, which is never removed; each edge is labelled with the step that removes it.`);
}

// An edge's label, beside its middle on the outer side, so that the labels of edges that meet
// at a vertex stand apart.
function label(from, to, text) {
  const [child, parent] = from.y > to.y ? [from, to] : [to, from];
  const side = child.x < parent.x ? -1 : 1;
  return element(
    "text",
    { x: (from.x + to.x) / 2 + side * 8, y: (from.y + to.y) / 2, "text-anchor": side < 0 ? "end" : "start" },
    text,
  );
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
