// A walk, step by step, as a learner follows it: what each step chooses and changes, in words,
// and what every vertex and edge of its tree is at each step. A walk is { coding, steps, last }:
// coding "encoding" or "decoding", each step { lowest, entry, choices }, and the edge left over.

import { edgeName, listed } from "./words.js";

export const HEADINGS = {
  encoding: ["Step", "Leaves", "Lowest leaf", "Written down", "What changes"],
  decoding: ["Step", "Entry", "Not yet used, not in the rest of the code", "Lowest", "Edge made", "What changes"],
};

export const CAPTIONS = {
  encoding:
    "The encoding, step by step: the lowest leaf is removed with its edge, and its neighbour is written down.",
  decoding:
    "The decoding, step by step: each entry is joined to the lowest vertex not yet used that does not appear in the rest of the code.",
};

// The walk's edges in the order it removes or joins them, as [lowest, entry] pairs, the edge left
// over last: those of the steps before step k + 1 (from 0), or all.
export function edgesOf(walk, k = Infinity) {
  const edges = walk.steps.slice(0, k).map((step) => [step.lowest, step.entry]);
  return k > walk.steps.length ? [...edges, walk.last] : edges;
}

// The vertex that step k (from 1) brings among the choices, where there is one: for the encoding
// the vertex that has become a leaf, for the decoding the one that has become free. After the
// last step the two vertices of the edge left over are what is left to choose from.
export function newChoice(walk, k) {
  const before = new Set(walk.steps[k - 1].choices);
  before.delete(walk.steps[k - 1].lowest);
  const after = k < walk.steps.length ? walk.steps[k].choices : walk.last;
  return after.find((v) => !before.has(v)) ?? null;
}

// What step k changes, and why, in words.
export function changeOf(walk, k) {
  const { entry } = walk.steps[k - 1];
  const added = newChoice(walk, k);
  if (walk.coding === "encoding") {
    return added === null
      ? `${entry} keeps another neighbour: no new leaf.`
      : `${added} is left with one neighbour: it becomes a leaf.`;
  }
  return added === null
    ? "No vertex becomes free."
    : `After this entry, ${added} no longer appears in the rest of the code: it becomes free.`;
}

// The code through step k (encoding) or from step k on (decoding), blanks between.
const codeThrough = (walk, k) => walk.steps.slice(0, k).map((step) => step.entry).join(" ");
const codeFrom = (walk, k) => walk.steps.slice(k - 1).map((step) => step.entry).join(" ");

// The row of the walk's table for step k (from 1): its data, as the row's attributes name them,
// and its cells' texts after the step's number.
export function rowOf(walk, k) {
  const step = walk.steps[k - 1];
  const choices = step.choices.join(", ");
  const added = newChoice(walk, k);
  const shown = added === null ? "" : String(added);
  const change = changeOf(walk, k);
  if (walk.coding === "encoding") {
    const data = { leaf: step.lowest, leaves: step.choices.join(" "), written: step.entry, soFar: codeThrough(walk, k), newLeaf: shown };
    return { data, cells: [choices, step.lowest, step.entry, change] };
  }
  const data = { leaf: step.lowest, entry: step.entry, free: step.choices.join(" "), rest: codeFrom(walk, k), newFree: shown };
  return { data, cells: [step.entry, choices, step.lowest, edgeName(step.lowest, step.entry), change] };
}

// The text of the table's last row, the edge left over.
export function lastRowText(walk) {
  const [u, v] = walk.last;
  const what = walk.coding === "encoding" ? "the two vertices left" : "the two vertices still unused";
  return `${what}, ${u} and ${v}: the edge ${edgeName(u, v)}`;
}

// The sentence that tells step `at` (0 before the first, steps + 1 for the edge left over).
export function sentence(walk, at) {
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
  const { lowest, entry, choices } = walk.steps[at - 1];
  const what =
    walk.coding === "encoding"
      ? `Step ${at} of ${count}: the leaves are ${listed(choices)}; the lowest, ${lowest}, is removed with its edge to ${entry}, and ${entry} is written down.`
      : `Step ${at} of ${count}: entry ${entry} is joined to ${lowest}, the lowest vertex not yet joined and not in the rest of the code (${listed(choices)}).`;
  return `${what} ${changeOf(walk, at)}`;
}

// The code as far as step `at` has come: what the encoding has written so far, or the rest of
// the code that the decoding still uses, its current entry marked. As { text } or, with a mark,
// { before, mark, after }.
export function codeLineOf(walk, at) {
  const count = walk.steps.length;
  if (walk.coding === "encoding") {
    return { text: `Written so far: ${codeThrough(walk, Math.min(at, count)) || "nothing yet"}` };
  }
  if (at === 0 || at > count) {
    return { text: at === 0 ? `The code: ${codeFrom(walk, 1) || "empty"}` : "Rest of the code: nothing left" };
  }
  const rest = codeFrom(walk, at + 1);
  return { before: "Rest of the code: ", mark: String(walk.steps[at - 1].entry), after: rest ? ` ${rest}` : "" };
}

// The name of step `at` (0 to steps + 1) as the figure and the address name it: "0" to "last".
export const stepName = (walk, at) => (at === walk.steps.length + 1 ? "last" : String(at));

// What each vertex is at step `at`, by the coding's names: the step's lowest (the leaf removed, or
// the vertex joined), its other choices, its entry, and those removed or used before it; a map
// from vertex to state, without the vertices that are none of these.
export function vertexStates(walk, at) {
  const names =
    walk.coding === "encoding"
      ? { lowest: "lowest", choice: "leaf", entry: "neighbour", gone: "removed" }
      : { lowest: "lowest", choice: "free", entry: "entry", gone: "used" };
  const states = new Map();
  if (at === 0) {
    return states;
  }
  const count = walk.steps.length;
  walk.steps.slice(0, Math.min(at - 1, count)).forEach((step) => states.set(step.lowest, names.gone));
  if (at > count) {
    walk.last.forEach((v) => states.set(v, names.choice));
    return states;
  }
  const { lowest, entry, choices } = walk.steps[at - 1];
  choices.forEach((v) => states.set(v, names.choice));
  states.set(lowest, names.lowest);
  states.set(entry, names.entry);
  return states;
}

// What the edge of step `step` (from 1, steps + 1 for the edge left over) is at step `at`:
// removed, current or present in the encoding; joined, current or coming in the decoding.
export function edgeState(walk, step, at) {
  const [before, after] = walk.coding === "encoding" ? ["removed", "present"] : ["joined", "coming"];
  return step < at ? before : step === at ? "current" : after;
}
