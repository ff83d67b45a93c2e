// The walk's words and states, on the README's example: the tree 1-4 2-4 3-5 4-5 5-6 6-7, whose
// code is 4 4 5 5 6, walked both ways.
import { test } from "node:test";
import assert from "node:assert/strict";

import { walkOf } from "../../src/bridge.js";
import { changeOf, codeLineOf, edgeState, edgesOf, lastRowText, rowOf, sentence, stepName, vertexStates } from "../../src/walk.js";

const NUMBERS = Int32Array.of(1, 4, 4, 1, 2, 3, 7, 2, 4, 3, 2, 3, 7, 3, 5, 3, 3, 4, 7, 4, 5, 2, 4, 7, 5, 6, 2, 5, 7, 6, 7);
const encoding = walkOf(NUMBERS, "encoding");
const decoding = walkOf(NUMBERS, "decoding");
const states = (walk, at) => Object.fromEntries([...vertexStates(walk, at)].sort(([a], [b]) => a - b));

test("each step's row, and what it changes, in both codings", () => {
  const newOnes = ["", "4", "", "5", "6"];
  const rest = ["4 4 5 5 6", "4 5 5 6", "5 5 6", "5 6", "6"];
  const leaves = ["1 2 3 7", "2 3 7", "3 4 7", "4 7", "5 7"];
  encoding.steps.forEach((step, k) => {
    const { data } = rowOf(encoding, k + 1);
    assert.deepEqual(data, { leaf: Number(leaves[k][0]), leaves: leaves[k], written: step.entry, soFar: "4 4 5 5 6".slice(0, 2 * k + 1), newLeaf: newOnes[k] });
    assert.deepEqual(rowOf(decoding, k + 1).data, { leaf: Number(leaves[k][0]), entry: step.entry, free: leaves[k], rest: rest[k], newFree: newOnes[k] });
  });
  assert.deepEqual(rowOf(decoding, 2).cells.slice(0, 4), [4, "2, 3, 7", 2, "2–4"]);
  assert.deepEqual(
    [1, 2, 5].map((k) => changeOf(encoding, k)),
    ["4 keeps another neighbour: no new leaf.", "4 is left with one neighbour: it becomes a leaf.", "6 is left with one neighbour: it becomes a leaf."],
  );
  assert.equal(changeOf(decoding, 1), "No vertex becomes free.");
  assert.equal(changeOf(decoding, 4), "After this entry, 5 no longer appears in the rest of the code: it becomes free.");
  assert.equal(lastRowText(decoding), "the two vertices still unused, 6 and 7: the edge 6–7");
});

test("the sentence and the code line of each step, from before the first to the edge left over", () => {
  assert.equal(sentence(encoding, 0), "Before step 1: the whole tree.");
  assert.equal(
    sentence(encoding, 2),
    "Step 2 of 5: the leaves are 2, 3 and 7; the lowest, 2, is removed with its edge to 4, and 4 is written down. 4 is left with one neighbour: it becomes a leaf.",
  );
  assert.equal(
    sentence(decoding, 4),
    "Step 4 of 5: entry 5 is joined to 4, the lowest vertex not yet joined and not in the rest of the code (4 and 7). After this entry, 5 no longer appears in the rest of the code: it becomes free.",
  );
  assert.equal(sentence(decoding, 6), "Left over: the two vertices still unused, 6 and 7, make the last edge.");
  assert.deepEqual([0, 3, 6].map((at) => codeLineOf(encoding, at).text), ["Written so far: nothing yet", "Written so far: 4 4 5", "Written so far: 4 4 5 5 6"]);
  assert.deepEqual(codeLineOf(decoding, 2), { before: "Rest of the code: ", mark: "4", after: " 5 5 6" });
  assert.deepEqual(codeLineOf(decoding, 5), { before: "Rest of the code: ", mark: "6", after: "" });
  assert.deepEqual([0, 6].map((at) => codeLineOf(decoding, at).text), ["The code: 4 4 5 5 6", "Rest of the code: nothing left"]);
  assert.deepEqual([0, 5, 6].map((at) => stepName(encoding, at)), ["0", "5", "last"]);
});

test("what every vertex and edge is at each step", () => {
  assert.deepEqual(states(encoding, 0), {});
  assert.deepEqual(states(encoding, 3), { 1: "removed", 2: "removed", 3: "lowest", 4: "leaf", 5: "neighbour", 7: "leaf" });
  assert.deepEqual(states(decoding, 2), { 1: "used", 2: "lowest", 3: "free", 4: "entry", 7: "free" });
  assert.deepEqual(states(decoding, 6), { 1: "used", 2: "used", 3: "used", 4: "used", 5: "used", 6: "free", 7: "free" });
  assert.deepEqual([1, 2, 3].map((step) => edgeState(encoding, step, 2)), ["removed", "current", "present"]);
  assert.deepEqual([1, 2, 3].map((step) => edgeState(decoding, step, 2)), ["joined", "current", "coming"]);
  assert.deepEqual(edgeState(decoding, 1, 0), "coming");
});

test("the walk's edges in its order, the edge left over last", () => {
  assert.deepEqual(edgesOf(encoding), [[1, 4], [2, 4], [3, 5], [4, 5], [5, 6], [6, 7]]);
  assert.deepEqual(edgesOf(encoding, 2), [[1, 4], [2, 4]]);
  assert.deepEqual(edgesOf(walkOf(Int32Array.of(1, 2), "decoding")), [[1, 2]]);
});

test("each drawing's legend names every mark it draws, and only those", async () => {
  const { legendOf } = await import("../../src/legend.js");
  const states = (entries, mark) => entries.filter((entry) => entry.mark === mark && entry.state).map((entry) => entry.state).sort();
  const drawn = (walk) => [...new Set(Array.from({ length: walk.steps.length + 2 }, (_, at) => [...vertexStates(walk, at).values()]).flat())].sort();
  assert.deepEqual(states(legendOf("encoding"), "vertex"), drawn(encoding));
  assert.deepEqual(states(legendOf("decoding"), "vertex"), drawn(decoding));
  assert.deepEqual(states(legendOf("encoding"), "edge"), ["current", "removed"]);
  for (const kind of ["encoding", "decoding"]) {
    assert.ok(legendOf(kind, true).every((entry) => entry.words.length > 0));
  }
});
