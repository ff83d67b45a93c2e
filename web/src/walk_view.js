// A walk, step by step, on the page: its table, and a control that steps the drawing and the
// table through it, marking every vertex and edge with what it is at the step (data-state) and
// saying each step in one sentence. The words and states come from walk.js.

import { fitDrawing, keepInView } from "./keep_in_view.js";
import { edgeName } from "./words.js";
import { CAPTIONS, HEADINGS, codeLineOf, edgeState, lastRowText, rowOf, sentence, stepName, vertexStates } from "./walk.js";

// An element of `tag` with `text` and the given attributes.
export function cell(tag, text = "", attributes = {}) {
  const node = document.createElement(tag);
  node.textContent = text;
  for (const [key, value] of Object.entries(attributes)) {
    node.setAttribute(key, String(value));
  }
  return node;
}

// The table of the walk: a row per step, then the edge left over. Each cell names its column in
// `data-heading`, which a narrow screen shows beside it where it lays each row out as a block;
// the roles keep the table a table for a screen reader there.
export function walkTable(walk) {
  const headings = HEADINGS[walk.coding];
  const table = cell("table", "", { class: "walk", role: "table", "data-walk": walk.coding });
  const head = cell("tr", "", { role: "row" });
  head.append(...headings.map((text) => cell("th", text, { scope: "col", role: "columnheader" })));
  const body = cell("tbody", "", { role: "rowgroup" });
  walk.steps.forEach((_, k) => body.append(stepRow(walk, k + 1, headings)));
  const [u, v] = walk.last;
  const last = cell("tr", "", { role: "row", "data-step": "last", "data-edge": edgeName(u, v, "-") });
  last.append(
    cell("th", "Left over", { scope: "row", role: "rowheader" }),
    cell("td", lastRowText(walk), { colspan: headings.length - 1, role: "cell" }),
  );
  body.append(last);
  const thead = cell("thead", "", { role: "rowgroup" });
  thead.append(head);
  table.append(cell("caption", CAPTIONS[walk.coding]), thead, body);
  return table;
}

function stepRow(walk, k, headings) {
  const { data, cells } = rowOf(walk, k);
  const row = cell("tr", "", { role: "row" });
  row.dataset.step = String(k);
  Object.assign(row.dataset, data);
  row.append(
    cell("th", k, { scope: "row", role: "rowheader", "data-heading": headings[0] }),
    ...cells.map((text, j) => cell("td", text, { role: "cell", "data-heading": headings[j + 1] })),
  );
  return row;
}

// The line that shows the code as far as step `at` has come.
function codeLine(walk, at) {
  const line = document.createElement("p");
  line.className = "code-so-far";
  const { text, before, mark, after } = codeLineOf(walk, at);
  if (text !== undefined) {
    line.textContent = text;
  } else {
    line.append(before, cell("mark", mark), after);
  }
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
    // The drawing at its new size, scrolled to the step's marks, never to an empty part.
    keepInView(figure, figure.closest("#console") ?? document.scrollingElement);
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
  const name = stepName(walk, at);
  figure.dataset.currentStep = name;
  markStates(svg, walk, at);
  for (const row of table.tBodies[0].rows) {
    if (row.dataset.step === name) {
      row.setAttribute("aria-current", "step");
    } else {
      row.removeAttribute("aria-current");
    }
  }
}

// Marks every vertex and edge of the drawing with what it is at step `at`.
function markStates(svg, walk, at) {
  const last = walk.steps.length + 1;
  for (const edge of svg.querySelectorAll("[data-edge]")) {
    const step = edge.dataset.step === "last" ? last : Number(edge.dataset.step);
    edge.dataset.state = edgeState(walk, step, at);
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
