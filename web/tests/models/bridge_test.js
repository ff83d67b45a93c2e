// The payloads the program hands the page, decoded, and the exercises read out of a module's
// memory as the exercises module lays them out.
import { test } from "node:test";
import assert from "node:assert/strict";

import contract from "../../src/contract.json" with { type: "json" };
import { EXERCISE_SIZES, exercisesOf, pictureOf, startProgram, walkOf } from "../../src/bridge.js";

test("a walk's numbers: each step's lowest, entry and choices, then the edge left over", () => {
  const walk = walkOf(Int32Array.of(1, 3, 2, 1, 2, 2, 3, 1, 2, 3, 4), "decoding");
  assert.deepEqual(walk, {
    coding: "decoding",
    steps: [{ lowest: 1, entry: 3, choices: [1, 2] }, { lowest: 2, entry: 3, choices: [2] }],
    last: [3, 4],
  });
  assert.deepEqual(walkOf(Int32Array.of(1, 2), "encoding"), { coding: "encoding", steps: [], last: [1, 2] });
});

test("the picture after a matrix, by its kind's number", () => {
  const numbers = Int32Array.of(1, 2, 1, 3, 2, 3);
  assert.deepEqual(pictureOf(2, numbers), { edges: [[1, 2], [1, 3], [2, 3]] });
  assert.equal(pictureOf(0, Int32Array.of(1, 2)).walk.coding, "encoding");
  assert.equal(pictureOf(1, Int32Array.of(1, 2)).walk.coding, "decoding");
  assert.equal(pictureOf(0, null), null);
});

test("every call the program makes reaches the page as plain values", async () => {
  const heard = [];
  const page = new Proxy({}, { get: (_, name) => (...args) => heard.push([name, ...args]) || name === "writeOutput" });
  const module = await startProgram(async (options) => options, page, () => {});
  for (const [call, args] of [["takeInput", [8]], ["readInput", [8]], ["writeOutput", ["x"]], ["pause", []],
    ["matrixComing", []], ["matrixShown", [3, 60, 2, Int32Array.of(1, 2)]], ["exited", [1]]]) {
    module.page[call](...args);
  }
  assert.deepEqual(heard.map(([name]) => name), ["takeInput", "readInput", "writeOutput", "pause", "matrixComing", "matrixShown", "exited"]);
  assert.deepEqual(heard[5], ["matrixShown", 3, 60, { edges: [[1, 2]] }]);
});

test("an exercise of each kind read out of the module's memory, which is freed again", () => {
  const memory = new Int32Array(1024);
  const taken = [];
  // The code 3 3 of the tree 1-3 2-3 3-4, the numbers of the kind's own, then the walk.
  const walk = [1, 3, 2, 1, 2, 2, 3, 1, 2, 3, 4];
  const cases = [
    ["decoding", [], {}],
    ["leaves", [1, 2, 4], { answer: [1, 2, 4] }],
    ["degree", [3, 3], { vertex: 3, answer: 3 }],
    ["count", [0, 14, 1787822080], { question: "all", answer: 61917364224 }],
    ["count", [1, 0, 1, 1, 1, 3, 1], { question: "degrees", answer: 1, degrees: [1, 1, 3, 1] }],
    ["code-of", [0, 0, 3, 4], { question: "whether", list: [3, 4], answer: "no" }],
    ["code-of", [1, 2, 3, 4], { question: "which", list: [3, 4], answer: 2 }],
  ];
  for (const [kind, own, fact] of cases) {
    const core = {
      HEAP32: memory,
      _malloc: (bytes) => taken.push(bytes) && 64,
      _free: (at) => taken.push(-at),
      _practiceExercise(n, seed, number, at, room) {
        const numbers = [3, 3, own.length, ...own, ...walk];
        assert.ok(room >= numbers.length && n === 4 && seed === 9 && number === contract.kinds.indexOf(kind));
        memory.set(numbers, at >> 2);
        return numbers.length;
      },
    };
    const { code, walk: read, ...rest } = exercisesOf(core).exercise(kind, 4, 9);
    assert.deepEqual([code, read.coding, read.steps.map((step) => step.lowest), read.last], [[3, 3], "decoding", [1, 2], [3, 4]]);
    assert.deepEqual(rest, { kind, n: 4, seed: 9, ...fact });
  }
  assert.deepEqual(taken.filter((each) => each < 0), Array(cases.length).fill(-64));
  assert.deepEqual(EXERCISE_SIZES, { fewest: 4, most: 12 });
});
