// Practice: the learner works the walk of an exercise a step at a time, each answer checked as
// it is given, with hints that lead without telling. An exercise is { direction, n, seed, code,
// walk }, drawn by the coding core from its seed (bridge.js); this module holds its rules and
// touches no document.

import { EXERCISE_SIZES } from "./bridge.js";
import { practiceIn } from "./address.js";
import { edgesOf } from "./walk.js";
import { edgeName, listed } from "./words.js";

export const USUAL_SIZE = 7; // vertices of the exercise the page opens with
export const SHEET_MOST = 20; // exercises on a worksheet

// The sizes an exercise may have, in vertices, fewest first.
export const SIZES = Array.from({ length: EXERCISE_SIZES.most - EXERCISE_SIZES.fewest + 1 }, (_, k) => EXERCISE_SIZES.fewest + k);

// The exercise an address names ({ direction, n, seed }), or null.
export const exerciseIn = (fragment) => practiceIn(fragment, EXERCISE_SIZES.fewest, EXERCISE_SIZES.most);

// The seed k exercises after `seed`, the seeds running round through 32 bits.
export const seedAfter = (seed, k = 1) => (seed + k) % 2 ** 32;

// A seed drawn afresh.
export const freshSeed = () => crypto.getRandomValues(new Uint32Array(1))[0];

// What step k (from 0) asks, its answer as numbers, and the vertices its hints mark.
export function stepOf(exercise, k) {
  const { walk, direction } = exercise;
  if (k < walk.steps.length) {
    const { lowest, entry, choices } = walk.steps[k];
    return direction === "encoding"
      ? { answer: [entry], choices, lowest: [lowest], entry: null }
      : { answer: [lowest], choices, lowest: [lowest], entry };
  }
  return { answer: walk.last, choices: walk.last, lowest: walk.last, entry: null, last: true };
}

// How many answers an exercise asks: one per step, and for the decoding the edge left over.
export const stepsOf = (exercise) => exercise.walk.steps.length + (exercise.direction === "decoding" ? 1 : 0);

// The hint of a level (1 to 3) for step k: the rule in words, then the vertices to choose from,
// then the lowest of them. The first names no vertex.
export function hintOf(exercise, k, level) {
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
export function rightOf(exercise, k) {
  const step = stepOf(exercise, k);
  if (exercise.direction === "encoding") {
    return `Right: the lowest leaf, ${step.lowest[0]}, is removed, and its neighbour, ${step.answer[0]}, is written down.`;
  }
  return step.last
    ? `Right: the edge left over is ${edgeName(...step.answer)}.`
    : `Right: ${step.answer[0]} is joined to entry ${step.entry}.`;
}

// The numbers a typed answer holds, or null where it holds anything else or a number that is
// no vertex of the exercise.
export function numbersIn(text, n) {
  const words = text.trim().split(/[\s,–-]+/).filter(Boolean);
  const numbers = words.map((word) => (/^[0-9]{1,3}$/.test(word) ? Number(word) : NaN));
  return numbers.length > 0 && numbers.every((v) => v >= 1 && v <= n) ? numbers : null;
}

// Whether the numbers given are those expected, in any order: an edge's ends may come either way.
const sorted = (numbers) => [...numbers].sort((a, b) => a - b).join(" ");
const sameAnswer = (given, expected) => sorted(given) === sorted(expected);

// The text of the item that shows step k (from 0), its answer once found.
export function stepText(exercise, k, found) {
  const step = stepOf(exercise, k);
  const shown = !found ? "?" : step.last ? edgeName(...step.answer) : String(step.answer[0]);
  if (exercise.direction === "encoding") {
    return `Entry ${k + 1}: ${shown}`;
  }
  return step.last ? `The edge left over: ${shown}` : `Entry ${step.entry} is joined to ${shown}`;
}

// What the answer field asks at step k.
export function askOf(exercise, k) {
  const step = stepOf(exercise, k);
  const steps = exercise.walk.steps.length;
  if (exercise.direction === "encoding") {
    return `Entry ${k + 1} of ${steps}`;
  }
  return step.last ? "The edge left over: its two vertices" : `The vertex entry ${step.entry} is joined to (step ${k + 1} of ${steps})`;
}

// The edges of the exercise's tree as a person reads them, "1–4", in order.
export const edgeNames = (walk) =>
  edgesOf(walk)
    .map(([a, b]) => [Math.min(a, b), Math.max(a, b)])
    .sort((a, b) => a[0] - b[0] || a[1] - b[1])
    .map(([a, b]) => edgeName(a, b));

// The edges of the exercise's tree found before step k, lower end first, as the decoding's
// drawing shows them: all of them once the exercise is done.
export const edgesFound = (walk, k) => edgesOf(walk, k).map(([a, b]) => [Math.min(a, b), Math.max(a, b)]);

// An exercise as it is worked: the step reached (k, from 0), the hint level shown at it (0 to 3),
// and the counts the summary gives.
export class Work {
  constructor(exercise) {
    this.exercise = exercise;
    this.total = stepsOf(exercise);
    this.k = 0;
    this.level = 0;
    this.missed = false; // whether step k has had a wrong answer
    this.rightFirstTime = 0;
    this.hints = 0;
  }

  get done() {
    return this.k === this.total;
  }

  // Checks a typed answer to the step reached: { result: "refused" }, where it is not of the
  // form the step asks, with the verdict saying so; "wrong", with a hint a level higher; or
  // "right", the step found and the next reached.
  check(text) {
    const { n } = this.exercise;
    const given = numbersIn(text, n);
    const step = stepOf(this.exercise, this.k);
    if (!given || given.length !== step.answer.length) {
      const verdict = step.last
        ? `Type the two vertices of the edge, each a number from 1 to ${n}.`
        : `Type one vertex: a number from 1 to ${n}.`;
      return { result: "refused", verdict };
    }
    if (!sameAnswer(given, step.answer)) {
      this.missed = true;
      this.raiseHint();
      return { result: "wrong", verdict: `Not ${given.join("–")}.` };
    }
    const verdict = rightOf(this.exercise, this.k);
    this.rightFirstTime += this.missed ? 0 : 1;
    this.missed = false;
    this.level = 0;
    this.k += 1;
    return { result: "right", verdict };
  }

  // The next level of hint, where there is one, counted as used.
  raiseHint() {
    if (this.level < 3) {
      this.level += 1;
      this.hints += 1;
    }
  }

  // The hint shown at the step reached, or "".
  hint() {
    return this.level > 0 ? hintOf(this.exercise, this.k, this.level) : "";
  }

  // The summary once done.
  summary() {
    const hints = this.hints === 1 ? "1 hint" : `${this.hints} hints`;
    return `Done: ${this.rightFirstTime} of ${this.total} steps right at the first try, with ${hints}.`;
  }

  // What each vertex of the drawing is now (a map from vertex to state): those found removed
  // (encoding) or used (decoding), the step's entry, and as the hint rises the vertices to choose
  // from, then the lowest.
  vertexStates() {
    const { direction, walk } = this.exercise;
    const found = walk.steps.slice(0, Math.min(this.k, walk.steps.length));
    const states = new Map(found.map((step) => [step.lowest, direction === "encoding" ? "removed" : "used"]));
    if (!this.done) {
      const step = stepOf(this.exercise, this.k);
      if (step.entry) states.set(step.entry, "entry");
      if (this.level >= 2) step.choices.forEach((v) => states.set(v, direction === "encoding" ? "leaf" : "free"));
      if (this.level >= 3) step.lowest.forEach((v) => states.set(v, "lowest"));
    }
    return states;
  }

  // What the edge named `name` ("u-v") of the drawing is now: joined, for the decoding, which
  // draws only the edges found; removed or present for the encoding.
  edgeState(name) {
    const { direction, walk } = this.exercise;
    if (direction === "decoding") {
      return "joined";
    }
    const found = walk.steps.slice(0, Math.min(this.k, walk.steps.length));
    return found.some((step) => edgeName(step.lowest, step.entry, "-") === name) ? "removed" : "present";
  }
}
