// The practice's checking, hints, mistakes and summary, worked as a learner works them: on the
// exercise whose code is 4 4 5 5 6 (the tree 1-4 2-4 3-5 4-5 5-6 6-7), and on drawn exercises of
// every size a learner may choose.
import { test } from "node:test";
import assert from "node:assert/strict";

import { MISTAKES, Work, askOf, edgeNames, exerciseIn, mistakeOf, numbersIn, seedAfter, stepText } from "../../src/practice.js";
import { edgesOf } from "../../src/walk.js";
import { codesOf, exerciseOfCode } from "./reference_walks.js";

const exercise = (kind) => exerciseOfCode([4, 4, 5, 5, 6], kind, 42);
const states = (work) => Object.fromEntries([...work.vertexStates()].sort(([a], [b]) => a - b));

test("the encoding worked with mistakes and a hint at every level, the last showing the answer", () => {
  const work = new Work(exercise("encoding"));
  assert.equal(askOf(work.exercise, 0), "Entry 1 of 5");
  assert.deepEqual(work.check("x"), { result: "refused", verdict: "Type one vertex: a number from 1 to 7." });
  assert.deepEqual(work.check("1"), { result: "wrong", mistake: "leaf", verdict: "Not 1: 1 is the lowest leaf itself; the entry is its neighbour, the vertex it hangs on." });
  assert.equal(work.level, 1);
  assert.match(work.hint(), /^Find the leaves/);
  assert.doesNotMatch(work.hint(), /[0-9]/);
  assert.equal(work.check("8").mistake, "not-a-vertex");
  assert.deepEqual(states(work), { 1: "leaf", 2: "leaf", 3: "leaf", 7: "leaf" });
  work.raiseHint();
  work.raiseHint(); // no fourth level
  assert.equal(work.hint(), "Showing the answer: the lowest leaf is 1, marked in the drawing, and its neighbour, 4, is the entry.");
  assert.deepEqual(states(work), { 1: "lowest", 2: "leaf", 3: "leaf", 7: "leaf" });
  assert.deepEqual(work.check(" 4 "), { result: "right", verdict: "Right: the lowest leaf, 1, is removed, and its neighbour, 4, is written down." });
  assert.deepEqual([work.k, work.level, work.hint(), work.edgeState("1-4"), work.edgeState("2-4")], [1, 0, "", "removed", "present"]);
  assert.equal(work.check("6").mistake, "not-lowest"); // the neighbour of leaf 7
  for (const entry of ["4", "5", "5", "6"]) {
    assert.equal(work.check(entry).result, "right");
  }
  assert.ok(work.done);
  assert.equal(work.summary(), "Done: 3 of 5 steps right at the first try, with 4 hints, 1 of them showing the answer.");
  assert.deepEqual(work.review(), [
    "Step 1: the lowest leaf itself, not its neighbour; a number that is no vertex; the answer shown",
    "Step 2: the neighbour of a leaf that is not the lowest; 1 hint",
  ]);
  assert.equal(work.mostMet(), "Met most often: the lowest leaf itself, not its neighbour; a number that is no vertex; the neighbour of a leaf that is not the lowest.");
  assert.deepEqual(work.next(), { kind: "encoding", n: 7, label: "Another exercise of 7 vertices" });
  assert.equal(stepText(work.exercise, 4, true), "Entry 5: 6");
});

test("the decoding, its steps and the edge left over, typed either way round", () => {
  const work = new Work(exercise("decoding"));
  assert.equal(work.total, 6);
  assert.deepEqual(states(work), { 4: "entry" });
  assert.equal(askOf(work.exercise, 1), "The vertex entry 2, 4, is joined to (step 2 of 5)");
  assert.equal(stepText(work.exercise, 1, false), "Entry 2, 4, is joined to ?");
  for (const vertex of ["1", "2", "3", "4", "5"]) {
    assert.equal(work.check(vertex).result, "right");
  }
  assert.equal(askOf(work.exercise, 5), "The edge left over: its two vertices");
  assert.deepEqual(work.check("67"), { result: "refused", mistake: "no-separator", verdict: 'Type the edge\'s two vertices with a blank, a comma or a dash between them, as "1 2", "1,2" or "1-2".' });
  assert.deepEqual(work.check("5 7"), { result: "wrong", mistake: "one-end", verdict: "Not 5–7: 7 is one end of the edge left over, but 5 is not: the edge joins the two vertices not yet used." });
  assert.equal(work.check("1,2").mistake, "other");
  assert.equal(work.check("6-13").mistake, "not-a-vertex");
  assert.equal(work.hint(), "Showing the answer: the two vertices not yet used are 6 and 7.");
  assert.deepEqual(work.check("7-6"), { result: "right", verdict: "Right: the edge left over is 6–7." });
  assert.equal(stepText(work.exercise, 5, true), "The edge left over: 6–7");
  assert.equal(work.summary(), "Done: 5 of 6 steps right at the first try, with 3 hints, 1 of them showing the answer.");
  assert.deepEqual(new Work(exercise("decoding")).next(), { kind: "decoding", n: 8, label: "A larger one: 8 vertices" });
});

test("every kind of mistake, named from the walk, at every step of exercises of 4 to 12 vertices", () => {
  const met = { encoding: new Set(), decoding: new Set() };
  for (let n = 4; n <= 12; ++n) {
    for (const code of codesOf(n, 40, n)) {
      for (const way of ["encoding", "decoding"]) {
        const work = exerciseOfCode(code, way);
        work.walk.steps.forEach((step, k) => {
          const removed = work.walk.steps.slice(0, k).map((s) => s.lowest);
          const left = edgesOf(work.walk).filter(([a, b]) => !removed.includes(a) && !removed.includes(b));
          const neighbourOf = (leaf) => left.flat().filter((v, i, all) => all[i ^ 1] === leaf)[0];
          const answer = way === "encoding" ? step.entry : step.lowest;
          for (let given = 0; given <= n + 1; ++given) {
            if (given === answer) continue;
            const { kind, words } = mistakeOf(work, k, given);
            const expected =
              way === "encoding"
                ? given === step.lowest ? "leaf"
                  : step.choices.some((leaf) => leaf !== step.lowest && neighbourOf(leaf) === given) ? "not-lowest"
                  : removed.includes(given) ? "removed"
                  : given < 1 || given > n ? "not-a-vertex" : "other"
                : given === step.entry ? "entry"
                  : code.slice(k).includes(given) ? "in-rest"
                  : removed.includes(given) ? "used"
                  : step.choices.includes(given) ? "not-lowest"
                  : given < 1 || given > n ? "not-a-vertex" : "other";
            assert.equal(kind, expected, `${way} ${code} step ${k + 1}: ${given}`);
            assert.doesNotMatch(words.replace(/1 to \d+/, ""), new RegExp(`\\b${answer}\\b`), "the words never name the answer");
            met[way].add(kind);
          }
        });
      }
    }
  }
  assert.deepEqual([...met.encoding].sort(), Object.keys(MISTAKES.encoding).sort());
  assert.deepEqual([...met.decoding].sort(), Object.keys(MISTAKES.decoding).filter((kind) => !["one-end", "other"].includes(kind)).sort());
});

test("what a typed answer holds", () => {
  assert.deepEqual(["4", " 4 7", "4-7", "4,7", "4–7", "7 ,, 4", "0", "47"].map(numbersIn), [[4], [4, 7], [4, 7], [4, 7], [4, 7], [7, 4], [0], [47]]);
  assert.deepEqual(["", "(4,7)", "4.0", "1e1", "x"].map(numbersIn), [null, null, null, null, null]);
});

test("the exercise's edges in order, an address's exercise, and the seeds after one", () => {
  assert.deepEqual(edgeNames(exercise("encoding").walk), ["1–4", "2–4", "3–5", "4–5", "5–6", "6–7"]);
  assert.deepEqual(exerciseIn("#practise=decoding,12,7"), { kind: "decoding", n: 12, seed: 7 });
  assert.deepEqual(["#practise=encoding,3,7", "#practise=encoding,13,7"].map(exerciseIn), [null, null]);
  assert.deepEqual([seedAfter(5), seedAfter(2 ** 32 - 1), seedAfter(2 ** 32 - 2, 3)], [6, 0, 1]);
});
