// Practice: the learner works the walk of an exercise a step at a time, each answer checked as
// it is given, with hints that lead without telling. An exercise is { kind, n, seed, code,
// walk }, drawn by the coding core from its seed (bridge.js); this module holds its rules and
// touches no document.

import { EXERCISE_SIZES, KINDS } from "./bridge.js";
import { practiceIn } from "./address.js";
import { edgesOf } from "./walk.js";
import { edgeName, listed } from "./words.js";

export const USUAL_SIZE = 7; // vertices of the exercise the page opens with

// The sizes an exercise may have, in vertices, fewest first.
export const SIZES = Array.from({ length: EXERCISE_SIZES.most - EXERCISE_SIZES.fewest + 1 }, (_, k) => EXERCISE_SIZES.fewest + k);

// The exercise an address names ({ kind, n, seed }), or null.
export const exerciseIn = (fragment) => practiceIn(fragment, { kinds: KINDS, ...EXERCISE_SIZES });

// The seed k exercises after `seed`, the seeds running round through 32 bits.
export const seedAfter = (seed, k = 1) => (seed + k) % 2 ** 32;

// A seed drawn afresh.
export const freshSeed = () => crypto.getRandomValues(new Uint32Array(1))[0];

// What step k (from 0) asks, its answer as numbers, and the vertices its hints mark.
export function stepOf(exercise, k) {
  const { walk, kind } = exercise;
  if (k < walk.steps.length) {
    const { lowest, entry, choices } = walk.steps[k];
    return kind === "encoding"
      ? { answer: [entry], choices, lowest: [lowest], entry: null }
      : { answer: [lowest], choices, lowest: [lowest], entry };
  }
  return { answer: walk.last, choices: walk.last, lowest: walk.last, entry: null, last: true };
}

// How many answers an exercise asks: one per step, and for the decoding the edge left over.
export const stepsOf = (exercise) => exercise.walk.steps.length + (exercise.kind === "decoding" ? 1 : 0);

// How the last level of hint begins: it shows the answer, and says so.
export const ANSWER = "Showing the answer";

// The hint of a level (1 to 3) for step k: the rule in words, then where to look (the vertices to
// choose from), then the answer. The first names no vertex.
export function hintOf(exercise, k, level) {
  const step = stepOf(exercise, k);
  if (exercise.kind === "encoding") {
    return [
      "Find the leaves: the vertices with one neighbour. The lowest leaf is removed with its edge, and its neighbour is the next entry of the code.",
      `The leaves are ${listed(step.choices)}, marked in the drawing. Which is the lowest, and which is its neighbour?`,
      `${ANSWER}: the lowest leaf is ${step.lowest[0]}, marked in the drawing, and its neighbour, ${step.answer[0]}, is the entry.`,
    ][level - 1];
  }
  if (step.last) {
    return [
      "Two vertices are not yet used: the edge left over joins them.",
      "The two vertices not yet used are marked in the drawing.",
      `${ANSWER}: the two vertices not yet used are ${listed(step.choices)}.`,
    ][level - 1];
  }
  return [
    "Find the vertices not yet used that do not appear in the rest of the code, the current entry counting as still in it. The current entry is joined to the lowest of them.",
    `The vertices not yet used and not in the rest of the code are ${listed(step.choices)}, marked in the drawing.`,
    `${ANSWER}: the lowest of them is ${step.lowest[0]}, marked in the drawing; it is joined to entry ${step.entry}.`,
  ][level - 1];
}

// What step k finds, in a sentence: "the lowest leaf, 1, is removed, and its neighbour, 4, is
// written down."
export function foundAt(exercise, k) {
  const step = stepOf(exercise, k);
  if (exercise.kind === "encoding") {
    return `the lowest leaf, ${step.lowest[0]}, is removed, and its neighbour, ${step.answer[0]}, is written down.`;
  }
  return step.last ? `the edge left over is ${edgeName(...step.answer)}.` : `${step.answer[0]} is joined to entry ${step.entry}.`;
}

// What a right answer to step k says.
export const rightOf = (exercise, k) => `Right: ${foundAt(exercise, k)}`;

// The answers an exercise asks, in order: its code, or the vertex each entry is joined to and
// then the edge left over, lower end first.
export const answersOf = (exercise) => Array.from({ length: stepsOf(exercise) }, (_, k) => stepOf(exercise, k).answer).flat();

// The task of an exercise, in a sentence.
export function taskOf(exercise) {
  const { kind, n, code, walk } = exercise;
  return kind === "encoding"
    ? `Find the Pruefer code of the tree on ${n} vertices with the edges ${listed(edgeNames(walk))}.`
    : `Find the tree on ${n} vertices whose Pruefer code is ${code.join(" ")}: for each entry, the vertex it is joined to; then the edge left over.`;
}

// The three levels of hint for a whole exercise, as a question bank gives them: the rule, where
// to look at each step, and the answer.
export function hintsOfExercise(exercise) {
  const { walk, kind } = exercise;
  const steps = Array.from({ length: stepsOf(exercise) }, (_, k) => stepOf(exercise, k));
  const rule = kind === "encoding" ? hintOf(exercise, 0, 1) : `${hintOf(exercise, 0, 1)} ${hintOf(exercise, walk.steps.length, 1)}`;
  const where = kind === "encoding" ? "The leaves, step by step" : "The vertices free to choose, entry by entry, then the two left over";
  const answer = kind === "encoding" ? `the code is ${exercise.code.join(" ")}.` : `the entries are joined to ${listed(answersOf(exercise).slice(0, -2))}, and the edge left over is ${edgeName(...walk.last)}.`;
  return [rule, `${where}: ${steps.map((step) => step.choices.join(", ")).join("; ")}.`, `${ANSWER}: ${answer}`];
}

// The numbers a typed answer holds, separated by blanks, commas or dashes, or null where it
// holds anything else.
export function numbersIn(text) {
  const words = text.trim().split(/[\s,–-]+/).filter(Boolean);
  const numbers = words.map((word) => (/^[0-9]{1,3}$/.test(word) ? Number(word) : NaN));
  return numbers.length > 0 && numbers.every((v) => !Number.isNaN(v)) ? numbers : null;
}

// What the separators of an edge's two vertices may be, in words.
export const SEPARATORS = 'a blank, a comma or a dash between them, as "1 2", "1,2" or "1-2"';

// The neighbour, at step k of the encoding, of each leaf the step chooses from: a map from leaf
// to neighbour, in the tree left after the leaves removed before it.
function neighboursOfLeaves(walk, k) {
  const removed = new Set(walk.steps.slice(0, k).map((step) => step.lowest));
  const edges = edgesOf(walk);
  return new Map(
    walk.steps[k].choices.map((leaf) => {
      const [a, b] = edges.find(([u, v]) => (u === leaf && !removed.has(v)) || (v === leaf && !removed.has(u)));
      return [leaf, a === leaf ? b : a];
    }),
  );
}

// Each kind of mistake in words, by the kind of exercise.
export const MISTAKES = {
  encoding: {
    leaf: "the lowest leaf itself, not its neighbour",
    "not-lowest": "the neighbour of a leaf that is not the lowest",
    removed: "a vertex already removed",
    "not-a-vertex": "a number that is no vertex",
    other: "a vertex that is not the lowest leaf's neighbour",
  },
  decoding: {
    entry: "the entry itself",
    "in-rest": "a vertex still in the rest of the code",
    used: "a vertex already joined as a leaf",
    "not-lowest": "a free vertex, but not the lowest",
    "not-a-vertex": "a number that is no vertex",
    "one-end": "one end of the edge left over wrong",
    other: "two vertices that are not those left unused",
  },
};

// The kind of mistake a wrong vertex `given` makes at step k (not the edge left over), and the
// sentence that says which rule it broke, without naming the answer.
export function mistakeOf(exercise, k, given) {
  const { walk, n, kind } = exercise;
  const before = walk.steps.slice(0, k).map((step) => step.lowest);
  const { lowest, choices, entry } = walk.steps[k];
  const outside = given < 1 || given > n;
  if (kind === "encoding") {
    const leaves = neighboursOfLeaves(walk, k);
    const fromLeaf = [...leaves].find(([leaf, next]) => leaf !== lowest && next === given);
    return given === lowest
      ? { kind: "leaf", words: `${given} is the lowest leaf itself; the entry is its neighbour, the vertex it hangs on.` }
      : fromLeaf
        ? { kind: "not-lowest", words: `${given} is the neighbour of leaf ${fromLeaf[0]}, but ${fromLeaf[0]} is not the lowest leaf.` }
        : before.includes(given)
          ? { kind: "removed", words: `${given} was removed at an earlier step: it is no longer in the tree.` }
          : outside
            ? { kind: "not-a-vertex", words: `the vertices are numbered 1 to ${n}.` }
            : { kind: "other", words: "the entry is the neighbour of the lowest leaf." };
  }
  const rest = walk.steps.slice(k).map((step) => step.entry);
  return given === entry
    ? { kind: "entry", words: `${given} is the entry itself; it is joined to another vertex.` }
    : rest.includes(given)
      ? { kind: "in-rest", words: `${given} still appears in the code from this entry on, so it is not free yet.` }
      : before.includes(given)
        ? { kind: "used", words: `${given} was already joined as a leaf at an earlier step.` }
        : choices.includes(given)
          ? { kind: "not-lowest", words: `${given} is free, but it is not the lowest free vertex.` }
          : outside
            ? { kind: "not-a-vertex", words: `the vertices are numbered 1 to ${n}.` }
            : { kind: "other", words: "the entry is joined to the lowest vertex not yet used and not in the rest of the code." };
}

// The kind of mistake two wrong vertices make as the edge left over, and its sentence: one of
// them right, neither, or no vertex.
function lastMistakeOf(exercise, given) {
  const { walk, n } = exercise;
  const outside = given.filter((v) => v < 1 || v > n);
  const wrong = given.filter((v) => !walk.last.includes(v));
  if (outside.length > 0) {
    return { kind: "not-a-vertex", words: `the vertices are numbered 1 to ${n}.` };
  }
  if (wrong.length === 1 && given[0] !== given[1]) {
    const right = given.find((v) => v !== wrong[0]);
    return { kind: "one-end", words: `${right} is one end of the edge left over, but ${wrong[0]} is not: the edge joins the two vertices not yet used.` };
  }
  return { kind: "other", words: "the edge left over joins the two vertices not yet used." };
}

// Whether the numbers given are those expected, in any order: an edge's ends may come either way.
const sorted = (numbers) => [...numbers].sort((a, b) => a - b).join(" ");
const sameAnswer = (given, expected) => sorted(given) === sorted(expected);

// The text of the item that shows step k (from 0), its answer once found, and till then
// `unknown`.
export function stepText(exercise, k, found, unknown = "?") {
  const step = stepOf(exercise, k);
  const shown = !found ? unknown : step.last ? edgeName(...step.answer) : String(step.answer[0]);
  if (exercise.kind === "encoding") {
    return `Entry ${k + 1}: ${shown}`;
  }
  return step.last ? `The edge left over: ${shown}` : `Entry ${k + 1}, ${step.entry}, is joined to ${shown}`;
}

// What the answer field asks at step k.
export function askOf(exercise, k) {
  const step = stepOf(exercise, k);
  const steps = exercise.walk.steps.length;
  if (exercise.kind === "encoding") {
    return `Entry ${k + 1} of ${steps}`;
  }
  return step.last ? "The edge left over: its two vertices" : `The vertex entry ${k + 1}, ${step.entry}, is joined to (step ${k + 1} of ${steps})`;
}

// The edges of the exercise's tree as a person reads them, "1–4", in order.
export const edgeNames = (walk) =>
  edgesOf(walk)
    .map(([a, b]) => [Math.min(a, b), Math.max(a, b)])
    .sort((a, b) => a[0] - b[0] || a[1] - b[1])
    .map(([a, b]) => edgeName(a, b));

// The edges of the exercise's tree as its element's data names them: "1-4 2-4".
export const edgesAsData = (walk) => edgeNames(walk).map((name) => name.replace("–", "-")).join(" ");

// The edges of the exercise's tree found before step k, lower end first, as the decoding's
// drawing shows them: all of them once the exercise is done.
export const edgesFound = (walk, k) => edgesOf(walk, k).map(([a, b]) => [Math.min(a, b), Math.max(a, b)]);

// An exercise as it is worked: the step reached (k, from 0), the hint level shown at it (0 to 3),
// and the counts the summary gives.
export class Work {
  constructor(exercise, total = stepsOf(exercise)) {
    this.exercise = exercise;
    this.total = total;
    this.k = 0;
    this.level = 0;
    this.missed = false; // whether step k has had a wrong answer
    this.rightFirstTime = 0;
    this.hints = 0;
    this.answersShown = 0; // hints of the last level, which show the answer
    this.help = []; // for each step (from 0) that needed help: the hint level reached, the kinds of mistake
  }

  // The help that step k has needed so far.
  helpAt(k) {
    this.help[k] ??= { step: k + 1, hints: 0, kinds: [] };
    return this.help[k];
  }

  get done() {
    return this.k === this.total;
  }

  // Checks a typed answer to the step reached: { result: "refused" }, where it is not of the
  // form the step asks, with the verdict saying so (and, for an edge typed without a separator,
  // the mistake "no-separator"); "wrong", with the kind of mistake and a hint a level higher; or
  // "right", the step found and the next reached.
  check(text) {
    const { n } = this.exercise;
    const given = numbersIn(text);
    const step = stepOf(this.exercise, this.k);
    if (step.last && given?.length === 1) {
      return { result: "refused", mistake: "no-separator", verdict: `Type the edge's two vertices with ${SEPARATORS}.` };
    }
    if (!given || given.length !== step.answer.length) {
      const verdict = step.last
        ? `Type the two vertices of the edge, each a number from 1 to ${n}, with ${SEPARATORS}.`
        : `Type one vertex: a number from 1 to ${n}.`;
      return { result: "refused", verdict };
    }
    if (!sameAnswer(given, step.answer)) {
      const { kind, words } = step.last ? lastMistakeOf(this.exercise, given) : mistakeOf(this.exercise, this.k, given[0]);
      this.missed = true;
      this.raiseHint();
      this.helpAt(this.k).kinds.push(kind);
      return { result: "wrong", mistake: kind, verdict: `Not ${given.join("–")}: ${words}` };
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
      this.answersShown += this.level === 3 ? 1 : 0;
    }
    this.helpAt(this.k).hints = this.level;
  }

  // The hint shown at the step reached, or "".
  hint() {
    return this.level > 0 ? hintOf(this.exercise, this.k, this.level) : "";
  }

  // The summary once done.
  summary() {
    const hints = this.hints === 1 ? "1 hint" : `${this.hints} hints`;
    const shown = this.answersShown === 0 ? "" : this.answersShown === this.hints ? ", showing the answer" : `, ${this.answersShown} of them showing the answer`;
    const right = this.total === 1 ? (this.rightFirstTime === 1 ? "right" : "not right") : `${this.rightFirstTime} of ${this.total} steps right`;
    return `Done: ${right} at the first try, with ${hints}${shown}.`;
  }

  // Each kind of mistake this exercise can meet, in words.
  mistakeWords() {
    return MISTAKES[this.exercise.kind];
  }

  // The steps that needed a hint or had a mistake, each in words: "Step 2: the lowest leaf itself,
  // not its neighbour; 2 hints".
  review() {
    const words = this.mistakeWords();
    return this.help.filter(Boolean).map(({ step, hints, kinds }) => {
      const said = kinds.map((kind) => words[kind]);
      if (hints > 0) said.push(hints === 3 ? "the answer shown" : hints === 1 ? "1 hint" : `${hints} hints`);
      return `${this.total === 1 ? "The answer" : `Step ${step}`}: ${said.join("; ")}`;
    });
  }

  // The kinds of mistake made most often, in words, or "" where there was none.
  mostMet() {
    const counts = new Map();
    this.help.filter(Boolean).forEach(({ kinds }) => kinds.forEach((kind) => counts.set(kind, (counts.get(kind) ?? 0) + 1)));
    if (counts.size === 0) {
      return "";
    }
    const most = Math.max(...counts.values());
    const kinds = [...counts].filter(([, count]) => count === most).map(([kind]) => this.mistakeWords()[kind]);
    return `Met most often: ${kinds.join("; ")}${most > 1 ? ` (${most} times)` : ""}.`;
  }

  // The exercise that fits next ({ kind, n, label }): after mistakes or hints the same kind
  // again; after none a larger one, or at the largest the other direction.
  next() {
    const { kind, n } = this.exercise;
    if (this.help.some(Boolean)) {
      return { kind, n, label: `Another exercise of ${n} vertices` };
    }
    if (n < EXERCISE_SIZES.most) {
      return { kind, n: n + 1, label: `A larger one: ${n + 1} vertices` };
    }
    return { ...this.otherKind(), n };
  }

  // The kind offered once the largest size is done without help: the other direction.
  otherKind() {
    const other = this.exercise.kind === "encoding" ? "decoding" : "encoding";
    return { kind: other, label: other === "encoding" ? "The other way: find a tree's code" : "The other way: find a code's tree" };
  }

  // What each vertex of the drawing is now (a map from vertex to state): those found removed
  // (encoding) or used (decoding), the step's entry, and as the hint rises the vertices to choose
  // from, then the lowest.
  vertexStates() {
    const { kind, walk } = this.exercise;
    const found = walk.steps.slice(0, Math.min(this.k, walk.steps.length));
    const states = new Map(found.map((step) => [step.lowest, kind === "encoding" ? "removed" : "used"]));
    if (!this.done) {
      const step = stepOf(this.exercise, this.k);
      if (step.entry) states.set(step.entry, "entry");
      if (this.level >= 2) step.choices.forEach((v) => states.set(v, kind === "encoding" ? "leaf" : "free"));
      if (this.level >= 3) step.lowest.forEach((v) => states.set(v, "lowest"));
    }
    return states;
  }

  // What the edge named `name` ("u-v") of the drawing is now: joined, for the decoding, which
  // draws only the edges found; removed or present for the encoding.
  edgeState(name) {
    const { kind, walk } = this.exercise;
    if (kind === "decoding") {
      return "joined";
    }
    const found = walk.steps.slice(0, Math.min(this.k, walk.steps.length));
    return found.some((step) => edgeName(step.lowest, step.entry, "-") === name) ? "removed" : "present";
  }
}
