// The session, the step and the exercise kept in the page's address, and read back.
import { test } from "node:test";
import assert from "node:assert/strict";

import { fragmentOf, practiceIn, stepIn, typedIn } from "../../src/address.js";

const LIMITS = { kinds: ["encoding", "decoding", "code-of"], fewest: 4, most: 12 };

test("what is sent, a step and an exercise make a fragment that gives them back", () => {
  const cases = [
    ["1\n7\n", null, null, "#typed=1,7,"],
    ["a,b&c\n", { figure: "2", step: "last" }, null, "#typed=a%2Cb%26c,&figure=2&step=last"],
    ["1\n", null, { kind: "decoding", n: 9, seed: 5 }, "#typed=1,&practise=decoding,9,5"],
    ["", null, { kind: "encoding", n: 7, seed: 42 }, "#practise=encoding,7,42"],
    ["", null, { kind: "code-of", n: 5, seed: 1 }, "#practise=code-of,5,1"],
    ["2\n0", { figure: "1", step: "4" }, { kind: "encoding", n: 4, seed: 0 }, "#typed=2,0&figure=1&step=4&practise=encoding,4,0"],
  ];
  for (const [typed, at, practice, fragment] of cases) {
    assert.equal(fragmentOf(typed, at, practice), fragment);
    assert.equal(typedIn(fragment), fragment.startsWith("#typed=") ? typed : "");
    assert.deepEqual(stepIn(fragment), at);
    assert.deepEqual(practiceIn(fragment, LIMITS), practice);
  }
});

test("a fragment of another form, or out of range, holds nothing", () => {
  assert.equal(typedIn("#typed=%E0%A4%A,%41"), "%E0%A4%A\nA");
  assert.equal(typedIn("#other=1,2"), "");
  assert.equal(stepIn("#typed=1,&figure=0&step=1"), null);
  assert.equal(stepIn("#typed=1,&figure=1&step=1000"), null);
  for (const fragment of ["#practise=sideways,7,1", "#practise=degree,7,1", "#practise=encoding,3,1", "#practise=encoding,13,1", "#practise=encoding,7,4294967296", "#practise=encoding,7,1&x"]) {
    assert.equal(practiceIn(fragment, LIMITS), null, fragment);
  }
  assert.deepEqual(practiceIn("#practise=encoding,12,4294967295", LIMITS), { kind: "encoding", n: 12, seed: 2 ** 32 - 1 });
});
