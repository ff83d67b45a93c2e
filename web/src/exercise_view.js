// A walk's exercise worked in its element: the task, the drawing, the steps found so far, the
// answer field, and the words of each check and hint, which a screen reader hears; at the end
// the summary and the way on. The rules are practice.js's.

import { drawCircle, drawUnlabelledTree, drawWalk, legend } from "./drawing.js";
import { legendOf } from "./legend.js";
import { Work, askOf, edgeNames, edgesFound, stepText } from "./practice.js";
import { cell, markVertices } from "./walk_view.js";
import { listed } from "./words.js";

const CIRCLE_GAP = 40; // between the vertices of a tree to find, so that short edges still show
const WIDE = "(min-width: 900px)"; // where the answering stands beside the drawing, as the style sheet sets it

// The answers and hints given to an exercise, kept in the browser's storage so that a reload, or
// the same link opened again in the same browser, resumes the work where it was: each a typed
// answer ({ check }) or a hint asked for ({ hint: true }). A browser that keeps nothing starts
// each exercise afresh.
export class KeptWork {
  constructor({ kind, n, seed }) {
    this.key = `pruefer-practice:${kind},${n},${seed}`;
  }

  read() {
    try {
      const kept = JSON.parse(localStorage.getItem(this.key) ?? "[]");
      return Array.isArray(kept) ? kept : [];
    } catch {
      return [];
    }
  }

  add(action) {
    try {
      localStorage.setItem(this.key, JSON.stringify([...this.read(), action]));
    } catch {
      // Nothing is kept where the browser keeps nothing.
    }
  }
}

// One exercise, worked in its element.
export class ExerciseView {
  constructor(exercise, onAnother) {
    this.work = this.workOf(exercise);
    this.onAnother = onAnother;
    this.kept = new KeptWork(exercise);
    this.element = this.build();
    this.draw();
    this.resume();
  }

  // Gives again the answers and hints kept for this exercise, as they were given.
  resume() {
    for (const action of this.kept.read()) {
      if (this.work.done) {
        break;
      }
      if (action.hint) {
        this.giveHint(false);
      } else if (typeof action.check === "string") {
        this.check(action.check, false);
      }
    }
  }

  get exercise() {
    return this.work.exercise;
  }

  // The parts a kind of exercise has its own: how its work is checked, its task, what its
  // element carries for a reader and a test, the legend of its drawing, the line of a step and
  // what the answer field asks, and the figure its summary shows.
  workOf(exercise) {
    return new Work(exercise);
  }

  task() {
    const { kind, n, code } = this.exercise;
    const task = cell("p", "", { class: "task" });
    if (kind === "encoding") {
      task.textContent = `Find the Pruefer code of this tree on ${n} vertices, one entry at a time. Its edges: ${listed(edgeNames(this.exercise.walk))}.`;
    } else {
      task.append(`Find the tree on ${n} vertices whose Pruefer code is `, cell("strong", code.join(" "), { "data-code": "" }),
        ": for each entry, the vertex it is joined to; then the edge left over.");
    }
    return task;
  }

  data() {
    return {};
  }

  legend() {
    return legend(legendOf(this.exercise.kind, true));
  }

  stepLine(k, found) {
    return stepText(this.exercise, k, found);
  }

  asking() {
    return askOf(this.exercise, this.work.k);
  }

  summaryFigure() {
    return drawWalk(this.exercise.n, this.exercise.walk);
  }

  build() {
    const { kind, n, seed } = this.exercise;
    const element = cell("div", "", { "data-exercise": "", "data-kind": kind, "data-n": n, "data-seed": seed, ...this.data() });
    const task = this.task();
    this.drawingBox = cell("div", "", { class: "practice-drawing" });
    this.steps = cell("ol", "", { class: "practice-steps" });
    this.form = this.answerForm();
    this.verdict = cell("p", "", { class: "verdict" });
    this.hint = cell("p", "", { class: "practice-hint" });
    this.said = cell("div", "", { role: "status", class: "practice-said" });
    this.said.append(this.verdict, this.hint);
    // The drawing beside the answering on a wide screen; on a narrow one the answer box, the
    // verdict and the hint stay at the foot of the window as the drawing scrolls above them.
    const figure = cell("div", "", { class: "practice-figure" });
    figure.append(this.drawingBox, ...[this.legend()].filter(Boolean));
    const panel = cell("div", "", { class: "practice-panel" });
    panel.append(this.form, this.said);
    this.workArea = cell("div", "", { class: "practice-work" });
    this.workArea.append(figure, this.steps, panel);
    element.append(task, this.workArea);
    this.addStep();
    return element;
  }

  answerForm() {
    const form = cell("form", "", { class: "practice-answer", autocomplete: "off" });
    this.label = cell("label", this.asking(), { for: `answer-${this.exercise.seed}` });
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
    const item = cell("li", this.stepLine(this.work.k, false), { "data-step": this.work.k + 1, "aria-current": "step" });
    this.steps.append(item);
    this.item = item;
  }

  // Checks a typed answer; `keep`, it is kept with the exercise.
  check(text, keep = true) {
    if (keep) {
      this.kept.add({ check: text });
    }
    const k = this.work.k;
    const { result, verdict, mistake } = this.work.check(text);
    this.verdict.textContent = verdict;
    if (mistake) {
      this.item.dataset.mistake = mistake;
    }
    if (result === "refused") {
      return;
    }
    this.item.dataset.result = result;
    this.field.value = "";
    this.showHint();
    this.draw();
    this.keepInView();
    if (result === "wrong") {
      return;
    }
    this.item.removeAttribute("aria-current");
    this.item.textContent = this.stepLine(k, true);
    if (this.work.done) {
      this.finish();
      return;
    }
    this.addStep();
    this.label.textContent = this.asking();
    this.fitField();
  }

  // The field's keyboard: digits for a vertex, and one that has separators for an edge.
  fitField() {
    const last = this.work.k === this.work.exercise.walk.steps.length;
    this.field.inputMode = last ? "text" : "numeric";
  }

  giveHint(keep = true) {
    if (keep) {
      this.kept.add({ hint: true });
    }
    this.verdict.textContent = "";
    this.work.raiseHint();
    this.showHint();
    this.draw();
    this.field.focus();
    this.keepInView();
  }

  // Keeps the step being answered in view with the drawing: on a wide screen the whole work
  // area, which fits the window; on a narrow one the drawing's marked vertex, above the panel
  // that stays at the window's foot, or with no vertex marked the work area's nearest edge.
  keepInView() {
    if (!this.element.isConnected) {
      return;
    }
    if (matchMedia(WIDE).matches) {
      this.workArea.scrollIntoView({ block: "nearest" });
      return;
    }
    const marked = ["lowest", "entry", "leaf", "free", "removed", "used"]
      .map((state) => this.drawingBox.querySelector(`[data-vertex][data-state="${state}"]`))
      .find(Boolean);
    (marked ?? this.workArea).scrollIntoView({ block: marked ? "center" : "nearest", inline: "nearest" });
  }

  showHint() {
    this.hint.textContent = this.work.hint();
    this.hint.dataset.hintLevel = String(this.work.level);
    if (this.work.level === 0) {
      delete this.hint.dataset.hintLevel;
    }
  }

  // The drawing after the steps found: for the encoding the tree, its removed leaves greyed; for
  // the decoding the vertices on a circle and only the edges found.
  draw() {
    const { kind, n, walk } = this.exercise;
    const svg =
      kind === "encoding"
        ? drawUnlabelledTree(n, walk)
        : drawCircle(n, edgesFound(walk, this.work.k), `The vertices 1 to ${n} and the edges found so far`, CIRCLE_GAP);
    markVertices(svg, this.work.vertexStates());
    for (const edge of svg.querySelectorAll("[data-edge]")) {
      edge.dataset.state = this.work.edgeState(edge.dataset.edge);
    }
    this.drawingBox.replaceChildren(svg);
  }

  // The summary, with the steps that needed help and the mistakes met most, the way on, and
  // the figure of the summary: the whole walk as the step view shows it.
  finish() {
    this.form.remove();
    const summary = cell("p", this.work.summary(), { "data-summary": "", "data-right-first-time": this.work.rightFirstTime, "data-hints": this.work.hints });
    this.said.append(summary); // heard with the last check
    const review = this.work.review();
    if (review.length > 0) {
      const list = cell("ul", "", { "data-review": "" });
      list.append(...review.map((line) => cell("li", line)));
      this.said.append(list, cell("p", this.work.mostMet()));
    }
    const another = cell("button", "Another exercise", { type: "button" });
    another.addEventListener("click", () => this.onAnother());
    const next = this.work.next();
    const fitting = cell("button", next.label, { type: "button", "data-next": "" });
    fitting.addEventListener("click", () => this.onAnother(next));
    this.element.append(another, fitting);
    const figure = this.summaryFigure();
    if (figure) {
      figure.classList.add("practice-walk");
      this.element.append(figure);
    }
    another.focus();
  }
}

