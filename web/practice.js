// Practice, apart from the console: the learner works the walk of an exercise a step at a time,
// each answer checked as it is given, with hints that lead without telling. The exercises and
// their walks come from the coding core, compiled into a module of their own.

import { drawCircle, drawUnlabelledTree, drawWalk } from "./drawing.js";
import { cell, listed, markVertices, walkOf, walkTable } from "./walk_table.js";
import { fragmentOf, practiceIn } from "./address.js";

const FEWEST = 4;
const MOST = 12;
const SHEET_MOST = 20; // exercises on a worksheet
const USUAL = 7;
const ROOM = 512; // numbers an exercise of MOST vertices takes, with room to spare
const CIRCLE_GAP = 40; // between the vertices of a tree to find, so that short edges still show

// The exercise an address names, or null.
export const exerciseIn = (fragment) => practiceIn(fragment, FEWEST, MOST);

// The seed k exercises after `seed`, the seeds running round through 32 bits.
const seedAfter = (seed, k = 1) => (seed + k) % 2 ** 32;

// The exercise of `seed` on n vertices, worked out by the core: its code and its walk.
function exerciseOf(core, direction, n, seed) {
  const at = core._malloc(4 * ROOM);
  try {
    const count = core._practiceExercise(n, seed, at, ROOM);
    const numbers = core.HEAP32.slice(at >> 2, (at >> 2) + count);
    const walk = walkOf(numbers.subarray(n - 2), direction === "decoding");
    return { direction, n, seed, code: [...numbers.subarray(0, n - 2)], walk };
  } finally {
    core._free(at);
  }
}

// What step k (from 0) asks, its answer as numbers, and the vertices its hints mark.
function stepOf(exercise, k) {
  const { walk, direction } = exercise;
  if (k < walk.steps.length) {
    const { leaf, entry, choices } = walk.steps[k];
    return direction === "encoding"
      ? { answer: [entry], choices, lowest: [leaf], entry: null }
      : { answer: [leaf], choices, lowest: [leaf], entry };
  }
  return { answer: walk.last, choices: walk.last, lowest: walk.last, entry: null, last: true };
}

// The hint of a level (1 to 3) for step k: the rule in words, then the vertices to choose from,
// then the lowest of them. The first names no vertex.
function hintOf(exercise, k, level) {
  const step = stepOf(exercise, k);
  if (exercise.direction === "encoding") {
    return [
      "Find the leaves: the vertices with one neighbour. The lowest leaf is removed with its edge, and its neighbour is the next entry of the code.",
      `The leaves are ${listed(step.choices)}, marked in the drawing. Which is the lowest, and which is its neighbour?`,
      `The lowest leaf is ${step.lowest[0]}, marked in the drawing: its neighbour is the entry.`,
    ][level - 1];
  }
  if (step.last) {
    return [
      "Two vertices are not yet used: the edge left over joins them.",
      "The two vertices not yet used are marked in the drawing.",
      `The two vertices not yet used are ${listed(step.choices)}.`,
    ][level - 1];
  }
  return [
    "Find the vertices not yet used that do not appear in the rest of the code, the current entry counting as still in it. The current entry is joined to the lowest of them.",
    `The vertices not yet used and not in the rest of the code are ${listed(step.choices)}, marked in the drawing.`,
    `The lowest of them is ${step.lowest[0]}, marked in the drawing: it is joined to entry ${step.entry}.`,
  ][level - 1];
}

// What a right answer to step k says.
function rightOf(exercise, k) {
  const step = stepOf(exercise, k);
  if (exercise.direction === "encoding") {
    return `Right: the lowest leaf, ${step.lowest[0]}, is removed, and its neighbour, ${step.answer[0]}, is written down.`;
  }
  return step.last
    ? `Right: the edge left over is ${step.answer[0]}–${step.answer[1]}.`
    : `Right: ${step.answer[0]} is joined to entry ${step.entry}.`;
}

// The numbers a typed answer holds, or null where it holds anything else or a number that is
// no vertex of the exercise.
function numbersIn(text, n) {
  const words = text.trim().split(/[\s,–-]+/).filter(Boolean);
  const numbers = words.map((word) => (/^[0-9]{1,3}$/.test(word) ? Number(word) : NaN));
  return numbers.length > 0 && numbers.every((v) => v >= 1 && v <= n) ? numbers : null;
}

// Whether the numbers given are those expected, in any order: an edge's ends may come either way.
const sorted = (numbers) => [...numbers].sort((a, b) => a - b).join(" ");
const sameAnswer = (given, expected) => sorted(given) === sorted(expected);

// The item that shows step k (from 0) of an exercise, its answer once found.
function stepText(exercise, k, found) {
  const step = stepOf(exercise, k);
  const shown = found ? step.answer.join("–") : "?";
  if (exercise.direction === "encoding") {
    return `Entry ${k + 1}: ${shown}`;
  }
  return step.last ? `The edge left over: ${shown}` : `Entry ${step.entry} is joined to ${shown}`;
}

// What the answer field asks at step k.
function askOf(exercise, k) {
  const step = stepOf(exercise, k);
  const steps = exercise.walk.steps.length;
  if (exercise.direction === "encoding") {
    return `Entry ${k + 1} of ${steps}`;
  }
  return step.last ? "The edge left over: its two vertices" : `The vertex entry ${step.entry} is joined to (step ${k + 1} of ${steps})`;
}

// One exercise, worked in its element: the task, the drawing, the steps found so far, the
// answer field, and the words of each check and hint, which a screen reader hears.
class ExerciseView {
  constructor(exercise, onAnother) {
    this.exercise = exercise;
    this.onAnother = onAnother;
    this.total = exercise.walk.steps.length + (exercise.direction === "decoding" ? 1 : 0);
    this.k = 0;
    this.level = 0;
    this.missed = false; // whether step k has had a wrong answer
    this.rightFirstTime = 0;
    this.hints = 0;
    this.element = this.build();
    this.draw();
  }

  build() {
    const { direction, n, seed, code } = this.exercise;
    const element = cell("div", "", { "data-exercise": "", "data-direction": direction, "data-n": n, "data-seed": seed });
    const task = cell("p", "", { class: "task" });
    if (direction === "encoding") {
      task.textContent = `Find the Pruefer code of this tree on ${n} vertices, one entry at a time. Its edges: ${listed(edgeNames(this.exercise.walk))}.`;
    } else {
      task.append(`Find the tree on ${n} vertices whose Pruefer code is `, cell("strong", code.join(" "), { "data-code": "" }),
        ": for each entry, the vertex it is joined to; then the edge left over.");
    }
    this.drawingBox = cell("div", "", { class: "practice-drawing" });
    this.steps = cell("ol", "", { class: "practice-steps" });
    this.form = this.answerForm();
    this.verdict = cell("p", "", { class: "verdict" });
    this.hint = cell("p", "", { class: "practice-hint" });
    this.said = cell("div", "", { role: "status", class: "practice-said" });
    this.said.append(this.verdict, this.hint);
    element.append(task, this.drawingBox, this.steps, this.form, this.said);
    this.addStep();
    return element;
  }

  answerForm() {
    const form = cell("form", "", { class: "practice-answer", autocomplete: "off" });
    this.label = cell("label", askOf(this.exercise, 0), { for: `answer-${this.exercise.seed}` });
    this.field = cell("input", "", { id: `answer-${this.exercise.seed}`, type: "text", inputmode: "numeric", "data-answer": "" });
    const check = cell("button", "Check", { type: "submit" });
    const hint = cell("button", "Hint", { type: "button", "data-move": "hint" });
    form.append(this.label, this.field, check, hint);
    form.addEventListener("submit", (event) => {
      event.preventDefault();
      this.check(this.field.value);
    });
    hint.addEventListener("click", () => this.giveHint());
    return form;
  }

  addStep() {
    const item = cell("li", stepText(this.exercise, this.k, false), { "data-step": this.k + 1, "aria-current": "step" });
    this.steps.append(item);
    this.item = item;
  }

  check(text) {
    const given = numbersIn(text, this.exercise.n);
    const step = stepOf(this.exercise, this.k);
    if (!given || given.length !== step.answer.length) {
      this.verdict.textContent = step.last
        ? `Type the two vertices of the edge, each a number from 1 to ${this.exercise.n}.`
        : `Type one vertex: a number from 1 to ${this.exercise.n}.`;
      return;
    }
    if (sameAnswer(given, step.answer)) {
      this.right();
    } else {
      this.item.dataset.result = "wrong";
      this.missed = true;
      this.raiseHint();
      this.verdict.textContent = `Not ${given.join("–")}.`;
      this.field.value = "";
    }
  }

  right() {
    this.item.dataset.result = "right";
    this.item.removeAttribute("aria-current");
    this.item.textContent = stepText(this.exercise, this.k, true);
    this.verdict.textContent = rightOf(this.exercise, this.k);
    this.rightFirstTime += this.missed ? 0 : 1;
    this.missed = false;
    this.level = 0;
    this.showHint();
    this.field.value = "";
    this.k += 1;
    this.draw();
    if (this.k === this.total) {
      this.finish();
      return;
    }
    this.addStep();
    this.label.textContent = askOf(this.exercise, this.k);
  }

  // The next level of hint, where there is one, counted as used.
  raiseHint() {
    if (this.level < 3) {
      this.level += 1;
      this.hints += 1;
    }
    this.showHint();
    this.draw();
  }

  giveHint() {
    this.verdict.textContent = "";
    this.raiseHint();
    this.field.focus();
  }

  showHint() {
    this.hint.textContent = this.level > 0 ? hintOf(this.exercise, this.k, this.level) : "";
    this.hint.dataset.hintLevel = String(this.level);
    if (this.level === 0) {
      delete this.hint.dataset.hintLevel;
    }
  }

  // The drawing after the steps found: for the encoding the tree, its removed leaves greyed; for
  // the decoding the vertices on a circle and only the edges found. A hint marks the vertices
  // to choose from, then the lowest.
  draw() {
    const { direction, n, walk } = this.exercise;
    const found = walk.steps.slice(0, Math.min(this.k, walk.steps.length));
    const svg =
      direction === "encoding"
        ? drawUnlabelledTree(n, walk)
        : drawCircle(n, edgesOf(walk, this.k), `The vertices 1 to ${n} and the edges found so far`, CIRCLE_GAP);
    const states = new Map(found.map((step) => [step.leaf, direction === "encoding" ? "removed" : "used"]));
    if (this.k < this.total) {
      const step = stepOf(this.exercise, this.k);
      if (step.entry) states.set(step.entry, "entry");
      if (this.level >= 2) step.choices.forEach((v) => states.set(v, direction === "encoding" ? "leaf" : "free"));
      if (this.level >= 3) step.lowest.forEach((v) => states.set(v, "lowest"));
    }
    markVertices(svg, states);
    const removed = new Set(found.map((step) => edgeName(step.leaf, step.entry)));
    for (const edge of svg.querySelectorAll("[data-edge]")) {
      edge.dataset.state = direction === "decoding" ? "joined" : removed.has(edge.dataset.edge) ? "removed" : "present";
    }
    this.drawingBox.replaceChildren(svg);
  }

  // The summary, the way on, and the whole walk as the step view shows it.
  finish() {
    const { n, walk } = this.exercise;
    this.form.remove();
    const summary = cell("p", "", { "data-summary": "", "data-right-first-time": this.rightFirstTime, "data-hints": this.hints });
    const hints = this.hints === 1 ? "1 hint" : `${this.hints} hints`;
    summary.textContent = `Done: ${this.rightFirstTime} of ${this.total} steps right at the first try, with ${hints}.`;
    const another = cell("button", "Another exercise", { type: "button" });
    another.addEventListener("click", () => this.onAnother());
    const figure = drawWalk(n, walk);
    figure.classList.add("practice-walk");
    this.said.append(summary); // heard with the last check
    this.element.append(another, figure);
    another.focus();
  }
}

const edgeName = (a, b) => `${Math.min(a, b)}-${Math.max(a, b)}`;

// The edges of the walk's tree as a person reads them, "1–4", in order.
const edgeNames = (walk) =>
  edgesOf(walk)
    .sort((a, b) => a[0] - b[0] || a[1] - b[1])
    .map((edge) => edge.join("–"));

// The edges of the walk's tree, lower end first: those joined before step k, or all.
function edgesOf(walk, k = Infinity) {
  const edges = walk.steps.slice(0, k).map((step) => [Math.min(step.leaf, step.entry), Math.max(step.leaf, step.entry)]);
  return k > walk.steps.length ? [...edges, walk.last] : edges;
}

// A worksheet of `count` exercises from `state` on, one seed after another: each the task and
// room to answer, or with `answers` its answer and its walk's table.
function worksheet(core, state, count, answers) {
  const sheet = cell("div", "", { class: "worksheet", "data-answers": answers });
  const kind = state.direction === "encoding" ? "Find the Pruefer code of each tree." : "Find the tree of each code: its edges.";
  sheet.append(cell("h3", `Worksheet: ${kind} (${state.n} vertices, seed ${state.seed})`));
  const list = cell("ol");
  for (let k = 0; k < count; ++k) {
    const exercise = exerciseOf(core, state.direction, state.n, seedAfter(state.seed, k));
    list.append(sheetItem(exercise, answers));
  }
  sheet.append(list);
  return sheet;
}

function sheetItem(exercise, answers) {
  const { direction, n, code, walk } = exercise;
  const item = cell("li", "", { "data-seed": exercise.seed });
  const edges = listed(edgeNames(walk));
  if (direction === "encoding") {
    item.append(cell("p", `The tree with the edges ${edges}.`), drawUnlabelledTree(n, walk));
    item.append(cell("p", answers ? `Its code: ${code.join(" ")}` : "Its code:", { class: "answer" }));
  } else {
    item.append(cell("p", `The code ${code.join(" ")}.`));
    item.append(cell("p", answers ? `Its tree's edges: ${edges}` : "Its tree's edges:", { class: "answer" }));
  }
  if (answers) {
    item.append(walkTable(walk));
  }
  return item;
}

// The worksheet's controls: how many exercises, whether with answers, and printing it alone.
function startWorksheet(section, exercises) {
  const form = section.querySelector("#worksheet-choice");
  const place = section.querySelector("#worksheet");
  form.addEventListener("submit", (event) => {
    event.preventDefault();
    const count = Math.max(1, Math.min(SHEET_MOST, Number(form.elements.count.value) || 1));
    form.elements.count.value = String(count);
    place.replaceChildren(exercises(count, form.elements.answers.checked));
    section.querySelector("#worksheet-print").hidden = false;
  });
  section.querySelector("#worksheet-print").addEventListener("click", () => {
    document.body.dataset.print = "worksheet";
    window.print();
  });
  window.addEventListener("afterprint", () => delete document.body.dataset.print);
}

// Starts the practice section in `section`: the choice of exercise, then the exercise the
// address names, or one at the defaults. `copy(href, status, field)` copies a link, and
// `remember(state)` keeps the exercise drawn in the page's address.
export function startPractice(section, createCore, copy, remember) {
  const choice = section.querySelector("#practise-choice");
  const area = section.querySelector("#exercise-area");
  let core = null;
  let current = null;
  const show = (state, drawn) => {
    current = state;
    choice.elements.direction.value = state.direction;
    choice.elements.size.value = String(state.n);
    const view = new ExerciseView(exerciseOf(core, state.direction, state.n, state.seed), () =>
      show({ ...state, seed: seedAfter(state.seed) }, true));
    area.replaceChildren(view.element);
    if (drawn) {
      remember(state);
      view.field.focus();
    }
  };
  choice.addEventListener("submit", (event) => {
    event.preventDefault();
    show({ direction: choice.elements.direction.value, n: Number(choice.elements.size.value), seed: freshSeed() }, true);
  });
  // A teacher's link: the exercises alone, without the session typed in the console.
  section.querySelector("#practise-copy").addEventListener("click", () =>
    copy(location.href.split("#")[0] + fragmentOf("", null, current), section.querySelector("#practise-copied"), section.querySelector("#practise-link")));
  startWorksheet(section, (count, answers) => worksheet(core, current, count, answers));
  const named = exerciseIn(location.hash);
  createCore().then((made) => {
    core = made;
    show(named ?? { direction: "encoding", n: USUAL, seed: freshSeed() }, false);
    if (named) {
      section.scrollIntoView({ block: "start" });
    }
  }, (error) => {
    area.textContent = `The practice could not be started in this browser: ${error}.`;
  });
}

function freshSeed() {
  return crypto.getRandomValues(new Uint32Array(1))[0];
}
