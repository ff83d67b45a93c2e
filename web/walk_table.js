// A walk, step by step: as a table a person reads, and as a control that steps the drawing
// through it, marking the step's leaf and edge, greying what the encoding has already removed
// or the decoding has not joined yet, and saying each step in one sentence.

import { fitDrawing, keepInView } from "./keep_in_view.js";

// The walk the program reported as numbers: for each step its leaf, its entry, the number of
// its choices and the choices; then the edge left over.
export function walkOf(numbers, decoding) {
  const steps = [];
  let at = 0;
  while (at < numbers.length - 2) {
    const [leaf, entry, count] = numbers.subarray(at, at + 3);
    steps.push({ leaf, entry, choices: [...numbers.subarray(at + 3, at + 3 + count)] });
    at += 3 + count;
  }
  return { coding: decoding ? "decoding" : "encoding", steps, last: [numbers[at], numbers[at + 1]] };
}

const HEADINGS = {
  encoding: ["Step", "Leaves", "Lowest leaf", "Written down", "What changes"],
  decoding: ["Step", "Entry", "Not yet used, not in the rest of the code", "Lowest", "Edge made", "What changes"],
};

const CAPTIONS = {
  encoding:
    "The encoding, step by step: the lowest leaf is removed with its edge, and its neighbour is written down.",
  decoding:
    "The decoding, step by step: each entry is joined to the lowest vertex not yet used that does not appear in the rest of the code.",
};

export function cell(tag, text = "", attributes = {}) {
  const node = document.createElement(tag);
  node.textContent = text;
  for (const [key, value] of Object.entries(attributes)) {
    node.setAttribute(key, String(value));
  }
  return node;
}

const edgeName = (a, b) => `${Math.min(a, b)}–${Math.max(a, b)}`;

// "1", "1 and 2", "1, 2 and 3".
export function listed(vertices) {
  return vertices.length < 2 ? String(vertices[0]) : `${vertices.slice(0, -1).join(", ")} and ${vertices.at(-1)}`;
}

// The vertex that step k (from 1) brings among the choices, where there is one: for the encoding
// the vertex that has become a leaf, for the decoding the one that has become free. After the
// last step the two vertices of the edge left over are what is left to choose from.
function newChoice(walk, k) {
  const before = new Set(walk.steps[k - 1].choices);
  before.delete(walk.steps[k - 1].leaf);
  const after = k < walk.steps.length ? walk.steps[k].choices : walk.last;
  return after.find((v) => !before.has(v)) ?? null;
}

// What step k changes, and why, in words.
function changeOf(walk, k) {
  const { entry } = walk.steps[k - 1];
  const added = newChoice(walk, k);
  if (walk.coding === "encoding") {
    return added === null
      ? `${entry} keeps another neighbour: no new leaf.`
      : `${added} is left with one neighbour: it becomes a leaf.`;
  }
  const counted = `Entry ${entry} still counts as in the rest of the code`;
  return added === null
    ? `${counted}; no vertex becomes free.`
    : `${counted}; after it, ${added} is no longer in the rest: ${added} becomes free.`;
}

// The code through step k (encoding) or from step k on (decoding), blanks between.
const codeThrough = (walk, k) => walk.steps.slice(0, k).map((step) => step.entry).join(" ");
const codeFrom = (walk, k) => walk.steps.slice(k - 1).map((step) => step.entry).join(" ");

// The table of the walk: a row per step, then the edge left over.
export function walkTable(walk) {
  const table = document.createElement("table");
  table.className = "walk";
  table.dataset.walk = walk.coding;
  const head = document.createElement("tr");
  head.append(...HEADINGS[walk.coding].map((text) => cell("th", text, { scope: "col" })));
  const body = document.createElement("tbody");
  walk.steps.forEach((_, k) => body.append(stepRow(walk, k + 1)));
  const [u, v] = walk.last;
  const last = document.createElement("tr");
  last.dataset.step = "last";
  last.dataset.edge = `${u}-${v}`;
  const span = HEADINGS[walk.coding].length - 1;
  const what = walk.coding === "encoding" ? "the two vertices left" : "the two vertices still unused";
  last.append(cell("th", "Left over", { scope: "row" }), cell("td", `${what}, ${u} and ${v}: the edge ${u}–${v}`, { colspan: span }));
  body.append(last);
  const thead = document.createElement("thead");
  thead.append(head);
  table.append(cell("caption", CAPTIONS[walk.coding]), thead, body);
  return table;
}

function stepRow(walk, k) {
  const step = walk.steps[k - 1];
  const row = document.createElement("tr");
  row.dataset.step = String(k);
  row.dataset.leaf = String(step.leaf);
  const choices = step.choices.join(", ");
  const added = newChoice(walk, k);
  if (walk.coding === "encoding") {
    row.dataset.leaves = step.choices.join(" ");
    row.dataset.written = String(step.entry);
    row.dataset.soFar = codeThrough(walk, k);
    row.dataset.newLeaf = added === null ? "" : String(added);
    row.append(cell("th", k, { scope: "row" }), cell("td", choices), cell("td", step.leaf), cell("td", step.entry));
  } else {
    row.dataset.entry = String(step.entry);
    row.dataset.free = step.choices.join(" ");
    row.dataset.rest = codeFrom(walk, k);
    row.dataset.newFree = added === null ? "" : String(added);
    row.append(
      cell("th", k, { scope: "row" }),
      cell("td", step.entry),
      cell("td", choices),
      cell("td", step.leaf),
      cell("td", edgeName(step.leaf, step.entry)),
    );
  }
  row.append(cell("td", changeOf(walk, k)));
  return row;
}

// The sentence that tells step `at` (0 before the first, steps + 1 for the edge left over).
function sentence(walk, at) {
  const count = walk.steps.length;
  const [u, v] = walk.last;
  if (at === 0) {
    return walk.coding === "encoding" ? "Before step 1: the whole tree." : "Before step 1: the vertices, no edge joined yet.";
  }
  if (at > count) {
    return walk.coding === "encoding"
      ? `Left over: vertices ${u} and ${v} remain, joined by the last edge.`
      : `Left over: the two vertices still unused, ${u} and ${v}, make the last edge.`;
  }
  const { leaf, entry, choices } = walk.steps[at - 1];
  const what =
    walk.coding === "encoding"
      ? `Step ${at} of ${count}: the leaves are ${listed(choices)}; the lowest, ${leaf}, is removed with its edge to ${entry}, and ${entry} is written down.`
      : `Step ${at} of ${count}: entry ${entry}; not yet used and not in the rest of the code: ${listed(choices)}; the lowest, ${leaf}, is joined to ${entry}.`;
  return `${what} ${changeOf(walk, at)}`;
}

// The code as far as step `at` has come: what the encoding has written so far, or the rest of
// the code that the decoding still uses, its current entry marked.
function codeLine(walk, at) {
  const line = document.createElement("p");
  line.className = "code-so-far";
  const count = walk.steps.length;
  if (walk.coding === "encoding") {
    const written = codeThrough(walk, Math.min(at, count));
    line.textContent = `Written so far: ${written || "nothing yet"}`;
    return line;
  }
  if (at === 0 || at > count) {
    line.textContent = at === 0 ? `The code: ${codeFrom(walk, 1) || "empty"}` : "Rest of the code: nothing left";
    return line;
  }
  const mark = document.createElement("mark");
  mark.textContent = String(walk.steps[at - 1].entry);
  const rest = codeFrom(walk, at + 1);
  line.append("Rest of the code: ", mark, rest ? ` ${rest}` : "");
  return line;
}

// Previous and Next buttons, and the arrow keys while the figure has the focus, that move the
// drawing and the table through the walk; it starts before step 1, with the whole tree. Each
// move is told by a "walkstep" event from the figure, with the step's name ("0" to "last"); a
// "walkgo" event to the figure, with a step's name, shows that step.
export function stepControl(figure, svg, table, walk) {
  const control = document.createElement("div");
  control.className = "step-control";
  const previous = cell("button", "Previous step", { type: "button", "data-move": "previous" });
  const next = cell("button", "Next step", { type: "button", "data-move": "next" });
  const status = cell("p", "", { role: "status" });
  let code = codeLine(walk, 0);
  // Shown where the drawing is made smaller to fit: the drawing at its full size, scrolling.
  const whole = cell("button", "Drawing at full size", { type: "button", class: "see-whole", "aria-pressed": "false" });
  whole.hidden = true;
  whole.addEventListener("click", () => {
    whole.setAttribute("aria-pressed", String(whole.getAttribute("aria-pressed") !== "true"));
    fitDrawing(figure);
  });
  control.append(previous, next, status, code, whole);
  new ResizeObserver(() => fitDrawing(figure)).observe(figure);
  const last = walk.steps.length + 1;
  let at = 0;
  const go = (to) => {
    at = Math.max(0, Math.min(last, to));
    show(figure, svg, table, walk, at);
    previous.disabled = at === 0;
    next.disabled = at === last;
    if (document.activeElement?.disabled) {
      figure.focus();
    }
    status.textContent = sentence(walk, at);
    const now = codeLine(walk, at);
    code.replaceWith(now);
    code = now;
    keepInView(figure, figure.closest("#console") ?? document.scrollingElement);
    figure.dispatchEvent(new CustomEvent("walkstep", { bubbles: true, detail: figure.dataset.currentStep }));
  };
  figure.addEventListener("walkgo", (event) => go(event.detail === "last" ? last : Number(event.detail)));
  previous.addEventListener("click", () => go(at - 1));
  next.addEventListener("click", () => go(at + 1));
  figure.tabIndex = 0;
  figure.addEventListener("keydown", (event) => {
    const moves = { ArrowRight: at + 1, ArrowDown: at + 1, ArrowLeft: at - 1, ArrowUp: at - 1, Home: 0, End: last };
    if (event.key in moves && !event.ctrlKey && !event.altKey && !event.metaKey) {
      event.preventDefault();
      go(moves[event.key]);
    }
  });
  figure.dataset.currentStep = "0";
  markStates(svg, walk, 0);
  previous.disabled = true;
  status.textContent = sentence(walk, 0);
  return control;
}

// Marks step `at` in the figure, the drawing and the table.
function show(figure, svg, table, walk, at) {
  const last = walk.steps.length + 1;
  const name = at === last ? "last" : String(at);
  figure.dataset.currentStep = name;
  const index = (step) => (step === "last" ? last : Number(step));
  for (const edge of svg.querySelectorAll("[data-edge]")) {
    const step = index(edge.dataset.step);
    const faded = walk.coding === "encoding" ? step < at : at > 0 && step > at;
    edge.classList.toggle("faded", faded);
    edge.classList.toggle("current", step === at);
  }
  const gone = walk.coding === "encoding" && at > 0 ? walk.steps.slice(0, at - 1) : [];
  const removed = new Set(gone.map((step) => step.leaf));
  const marked = new Set(at === 0 ? [] : at === last ? walk.last : [walk.steps[at - 1].leaf]);
  for (const vertex of svg.querySelectorAll("[data-vertex]")) {
    const v = Number(vertex.dataset.vertex);
    vertex.classList.toggle("faded", removed.has(v));
    vertex.classList.toggle("current", marked.has(v));
  }
  markStates(svg, walk, at);
  for (const row of table.tBodies[0].rows) {
    const current = row.dataset.step === name;
    row.classList.toggle("current", current);
    if (current) {
      row.setAttribute("aria-current", "step");
    } else {
      row.removeAttribute("aria-current");
    }
  }
}

// What each vertex is at step `at`, by the coding's names: the step's lowest (the leaf removed, or
// the vertex joined), its other choices, its entry, and those removed or used before it.
function vertexStates(walk, at) {
  const names =
    walk.coding === "encoding"
      ? { lowest: "lowest", choice: "leaf", entry: "neighbour", gone: "removed" }
      : { lowest: "lowest", choice: "free", entry: "entry", gone: "used" };
  const states = new Map();
  if (at === 0) {
    return states;
  }
  const count = walk.steps.length;
  walk.steps.slice(0, Math.min(at - 1, count)).forEach((step) => states.set(step.leaf, names.gone));
  if (at > count) {
    walk.last.forEach((v) => states.set(v, names.choice));
    return states;
  }
  const { leaf, entry, choices } = walk.steps[at - 1];
  choices.forEach((v) => states.set(v, names.choice));
  states.set(leaf, names.lowest);
  states.set(entry, names.entry);
  return states;
}

// Marks every vertex and edge of the drawing with what it is at step `at`. An edge is removed,
// current or present in the encoding; joined, current or coming in the decoding.
function markStates(svg, walk, at) {
  const last = walk.steps.length + 1;
  const [before, after] = walk.coding === "encoding" ? ["removed", "present"] : ["joined", "coming"];
  for (const edge of svg.querySelectorAll("[data-edge]")) {
    const step = edge.dataset.step === "last" ? last : Number(edge.dataset.step);
    edge.dataset.state = step < at ? before : step === at ? "current" : after;
  }
  markVertices(svg, vertexStates(walk, at));
}

// Gives each vertex of the drawing its state in `states`, a map from vertex to state, or none.
export function markVertices(svg, states) {
  for (const vertex of svg.querySelectorAll("[data-vertex]")) {
    const state = states.get(Number(vertex.dataset.vertex));
    if (state) {
      vertex.dataset.state = state;
    } else {
      delete vertex.dataset.state;
    }
  }
}
