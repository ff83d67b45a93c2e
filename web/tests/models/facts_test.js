// What a code tells, checked as a learner answers: each kind's answers right and wrong, each
// wrong one named by the rule it breaks and never told the answer, and the hints, on the code
// 4 4 5 5 6 (the tree 1-4 2-4 3-5 4-5 5-6 6-7, whose leaves are 1, 2, 3 and 7).
import { test } from "node:test";
import assert from "node:assert/strict";

import { FactWork, factHint, factTask } from "../../src/facts.js";
import { ANSWER } from "../../src/practice.js";
import { exerciseOfCode } from "./reference_walks.js";

const base = exerciseOfCode([4, 4, 5, 5, 6], "decoding", 42);
const of = (facts, code = base.code) => ({ ...exerciseOfCode(code, "decoding", 42), ...facts });

// Each exercise, and what each typed answer gives: its result and kind of mistake.
const CASES = [
  [of({ kind: "leaves", answer: [1, 2, 3, 7] }), [["1 2 3", "wrong", "missing"], ["1, 2, 4, 7", "wrong", "in-code"],
    ["0 1 2 3 7", "wrong", "not-a-vertex"], ["1 1", "refused"], ["x", "refused"], ["7, 3, 2 and 1", "right"]]],
  [of({ kind: "degree", vertex: 3, answer: 4 }, [3, 3, 3, 1, 2]), [["3", "wrong", "one-too-low"], ["2", "wrong", "first-only"],
    ["1", "wrong", "leaf"], ["7", "wrong", "not-a-degree"], ["5", "wrong", "other"], ["three", "refused"], ["4", "right"]]],
  [of({ kind: "count", question: "all", answer: 16807 }), [["823543", "wrong", "n-to-the-n"], ["78125", "wrong", "swapped"],
    ["117649", "wrong", "n-minus-one"], ["5040", "wrong", "factorial"], ["16", "wrong", "other"], ["16,807", "right"]]],
  [of({ kind: "count", question: "degrees", degrees: [1, 1, 1, 3, 3, 2, 1], answer: 30 }), [["16807", "wrong", "all-trees"],
    ["120", "wrong", "no-repeats"], ["12", "wrong", "other"], ["30", "right"]]],
  [of({ kind: "count", question: "degrees", degrees: [2, 2, 1, 1, 3, 1], answer: 12 }, [1, 2, 5, 5]), [["1", "wrong", "degree-not-minus-one"]]],
  [of({ kind: "code-of", question: "whether", list: [4, 1, 5, 5, 6], answer: "no" }), [["yes", "wrong", "leaf-in-list"], ["maybe", "refused"], ["N", "right"]]],
  [of({ kind: "code-of", question: "whether", list: [4, 4, 5, 6, 6], answer: "no" }), [["y", "wrong", "degree-count"]]],
  [of({ kind: "code-of", question: "whether", list: [4, 5, 4, 5, 6], answer: "no" }), [["yes", "wrong", "order"]]],
  [of({ kind: "code-of", question: "whether", list: [4, 4, 5, 5, 6], answer: "yes" }), [["no", "wrong", "is-code"], ["yes", "right"]]],
  [of({ kind: "code-of", question: "which", list: [4, 4, 7, 5, 6], answer: 3 }), [["1", "wrong", "right-entry"], ["9", "wrong", "not-a-place"],
    ["third", "refused"], ["3", "right"]]],
];

test("each kind's answers checked: a wrong one named by the rule it breaks, never by the answer", () => {
  for (const [exercise, typed] of CASES) {
    const work = new FactWork(exercise);
    // A yes or a no is a word the sentences use; a number answer is never named.
    const answer = typeof exercise.answer === "string" ? /(?!)/ : new RegExp(`\\b${[exercise.answer].flat().join("\\b.*\\b")}\\b`);
    for (const [text, result, mistake] of typed) {
      const said = work.check(text);
      assert.deepEqual([said.result, said.mistake], [result, mistake], `${exercise.kind} ${exercise.question}: ${text}`);
      if (result === "wrong") {
        assert.doesNotMatch(said.verdict.replace(/^Not [^:]*: /, "").replace(/1 to \d+/, ""), answer, said.verdict);
        assert.ok(work.mistakeWords()[mistake], mistake);
      }
    }
    assert.ok(factTask(exercise).length > 0);
  }
});

test("three levels of hint: the rule, where to look, the answer; then the summary and the way on", () => {
  for (const [exercise] of CASES) {
    const [rule, where, shown] = [1, 2, 3].map((level) => factHint(exercise, level));
    const told = [typeof exercise.answer === "string" ? [] : exercise.answer, exercise.n].flat();
    assert.doesNotMatch(rule, new RegExp(`\\b(${told.join("|")})\\b`), rule);
    assert.ok(where.length > 0 && shown.startsWith(`${ANSWER}: `), shown);
  }
  const work = new FactWork(CASES[1][0]);
  assert.equal(work.check("3").mistake, "one-too-low");
  work.raiseHint();
  assert.equal(work.hint(), "Count each time 3 occurs in the code 3 3 3 1 2, then add one.");
  assert.deepEqual(work.check("4"), { result: "right", verdict: "Right: 3 occurs 3 times in the code, so it has 4 neighbours." });
  assert.ok(work.done);
  assert.equal(work.summary(), "Done: not right at the first try, with 2 hints.");
  assert.deepEqual(work.review(), ["The answer: the occurrences counted without the one more; 2 hints"]);
  assert.deepEqual(work.next(), { kind: "degree", n: 7, label: "Another exercise of 7 vertices" });
  const right = new FactWork({ ...CASES[0][0], n: 12 });
  right.check("1 2 3 7");
  assert.deepEqual([right.summary(), right.next().kind], ["Done: right at the first try, with 0 hints.", "degree"]);
});
