// The practice's checking, hints and marks, worked as a learner works them, on the exercise whose
// code is 4 4 5 5 6 (the tree 1-4 2-4 3-5 4-5 5-6 6-7).
import { test } from "node:test";
import assert from "node:assert/strict";

import { walkOf } from "../../src/bridge.js";
import { Work, askOf, edgeNames, exerciseIn, numbersIn, seedAfter, stepText } from "../../src/practice.js";

const NUMBERS = Int32Array.of(1, 4, 4, 1, 2, 3, 7, 2, 4, 3, 2, 3, 7, 3, 5, 3, 3, 4, 7, 4, 5, 2, 4, 7, 5, 6, 2, 5, 7, 6, 7);
const exercise = (direction) => ({ direction, n: 7, seed: 42, code: [4, 4, 5, 5, 6], walk: walkOf(NUMBERS, direction) });
const states = (work) => Object.fromEntries([...work.vertexStates()].sort(([a], [b]) => a - b));

test("the encoding worked with a mistake and a hint at every level", () => {
  const work = new Work(exercise("encoding"));
  assert.equal(askOf(work.exercise, 0), "Entry 1 of 5");
  assert.deepEqual(work.check("x"), { result: "refused", verdict: "Type one vertex: a number from 1 to 7." });
  assert.deepEqual(work.check("1"), { result: "wrong", verdict: "Not 1." });
  assert.equal(work.level, 1);
  assert.match(work.hint(), /^Find the leaves/);
  assert.doesNotMatch(work.hint(), /[0-9]/);
  work.raiseHint();
  assert.deepEqual(states(work), { 1: "leaf", 2: "leaf", 3: "leaf", 7: "leaf" });
  work.raiseHint();
  work.raiseHint(); // no fourth level
  assert.equal(work.hint(), "The lowest leaf is 1, marked in the drawing: its neighbour is the entry.");
  assert.deepEqual(states(work), { 1: "lowest", 2: "leaf", 3: "leaf", 7: "leaf" });
  assert.deepEqual(work.check(" 4 "), { result: "right", verdict: "Right: the lowest leaf, 1, is removed, and its neighbour, 4, is written down." });
  assert.deepEqual([work.k, work.level, work.hint(), work.edgeState("1-4"), work.edgeState("2-4")], [1, 0, "", "removed", "present"]);
  for (const entry of ["4", "5", "5", "6"]) {
    assert.equal(work.check(entry).result, "right");
  }
  assert.ok(work.done);
  assert.equal(work.summary(), "Done: 4 of 5 steps right at the first try, with 3 hints.");
  assert.equal(stepText(work.exercise, 4, true), "Entry 5: 6");
});

test("the decoding, its steps and the edge left over, typed either way round", () => {
  const work = new Work(exercise("decoding"));
  assert.equal(work.total, 6);
  assert.deepEqual(states(work), { 4: "entry" });
  assert.equal(askOf(work.exercise, 1), "The vertex entry 4 is joined to (step 2 of 5)");
  for (const vertex of ["1", "2", "3", "4", "5"]) {
    assert.equal(work.check(vertex).result, "right");
  }
  assert.equal(askOf(work.exercise, 5), "The edge left over: its two vertices");
  assert.equal(work.check("6").verdict, "Type the two vertices of the edge, each a number from 1 to 7.");
  assert.deepEqual(work.check("5 7"), { result: "wrong", verdict: "Not 5–7." });
  assert.equal(work.hint(), "Two vertices are not yet used: the edge left over joins them.");
  assert.deepEqual(work.check("7-6"), { result: "right", verdict: "Right: the edge left over is 6–7." });
  assert.equal(stepText(work.exercise, 5, true), "The edge left over: 6–7");
  assert.equal(work.summary(), "Done: 5 of 6 steps right at the first try, with 1 hint.");
});

test("what a typed answer holds", () => {
  assert.deepEqual(["4", " 4 7", "4-7", "4,7", "4–7", "7 ,, 4"].map((text) => numbersIn(text, 7)), [[4], [4, 7], [4, 7], [4, 7], [4, 7], [7, 4]]);
  assert.deepEqual(["", "0", "8", "47", "(4,7)", "4.0", "1e1"].map((text) => numbersIn(text, 7)), [null, null, null, null, null, null, null]);
});

test("the exercise's edges in order, an address's exercise, and the seeds after one", () => {
  assert.deepEqual(edgeNames(walkOf(NUMBERS, "encoding")), ["1–4", "2–4", "3–5", "4–5", "5–6", "6–7"]);
  assert.deepEqual(exerciseIn("#practise=decoding,12,7"), { direction: "decoding", n: 12, seed: 7 });
  assert.deepEqual(["#practise=encoding,3,7", "#practise=encoding,13,7"].map(exerciseIn), [null, null]);
  assert.deepEqual([seedAfter(5), seedAfter(2 ** 32 - 1), seedAfter(2 ** 32 - 2, 3)], [6, 0, 1]);
});
