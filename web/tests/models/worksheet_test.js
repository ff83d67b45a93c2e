// Worksheets as a teacher makes them, and the question banks made of them: what a sheet holds,
// the link that makes it again, its number, and the Moodle XML and GIFT that a title of any
// characters leaves intact.
import { test } from "node:test";
import assert from "node:assert/strict";

import { worksheetFragment } from "../../src/address.js";
import { fileName, giftText, moodleXml } from "../../src/question_bank.js";
import { exercisesOfSheet, sheetIn, sheetNumber } from "../../src/worksheet.js";
import { exerciseOfCode } from "./reference_walks.js";

const sheet = { kind: "decoding", n: 7, seed: 4294967294, count: 5, answers: true, mix: true, title: "Week 3" };
const HOSTILE = "<b>Quiz</b> & ]]> {1:NUMERICAL:=3} ~=#: \\";

test("a mixed sheet takes turns at the directions, grows to its size, and comes back from its link", () => {
  assert.deepEqual(exercisesOfSheet(sheet), [
    { kind: "decoding", n: 4, seed: 4294967294 },
    { kind: "encoding", n: 5, seed: 4294967295 },
    { kind: "decoding", n: 6, seed: 0 },
    { kind: "encoding", n: 6, seed: 1 },
    { kind: "decoding", n: 7, seed: 2 },
  ]);
  assert.deepEqual(exercisesOfSheet({ ...sheet, count: 1 }), [{ kind: "decoding", n: 7, seed: 4294967294 }]);
  assert.deepEqual(exercisesOfSheet({ ...sheet, mix: false, count: 2 }).map(({ kind, n }) => [kind, n]), [["decoding", 7], ["decoding", 7]]);
  for (const title of ["", "Week 3", HOSTILE, "a,b%20c\nnext"]) {
    assert.deepEqual(sheetIn(worksheetFragment({ ...sheet, title })), { ...sheet, title });
  }
  assert.equal(worksheetFragment(sheet), "#worksheet=decoding,7,4294967294,5,1,1,Week%203");
  for (const fragment of ["#worksheet=decoding,13,1,5,1,1,", "#worksheet=decoding,7,1,21,1,1,", "#worksheet=decoding,7,1,0,1,1,",
    "#worksheet=decoding,7,4294967296,5,1,1,", "#worksheet=decoding,7,1,5,2,1,", "#worksheet=decoding,7,1,5,1,1,%E0%A4", `#worksheet=encoding,7,1,5,1,1,${"x".repeat(81)}`]) {
    assert.equal(sheetIn(fragment), null, fragment);
  }
});

test("a sheet's number is the same with or without its key, and tells one sheet from another", () => {
  const number = sheetNumber(sheet);
  assert.match(number, /^[ACDEFGHJKLMNPQRTUVWXY34679]{4}$/);
  assert.equal(sheetNumber({ ...sheet, answers: false }), number);
  const others = [{ seed: 1 }, { count: 6 }, { mix: false }, { n: 8 }, { kind: "encoding" }, { title: "Week 4" }];
  assert.equal(new Set(others.map((other) => sheetNumber({ ...sheet, ...other })).concat(number)).size, others.length + 1);
});

// The exercises of a bank: both directions, the tree 1-4 2-4 3-5 4-5 5-6 6-7 and the code 2 2;
// the leaves of 2 2, and whether 2 1 is the code of that tree.
const exercises = [exerciseOfCode([4, 4, 5, 5, 6], "encoding"), exerciseOfCode([2, 2], "decoding"),
  { ...exerciseOfCode([2, 2], "decoding"), kind: "leaves", answer: [1, 3, 4] },
  { ...exerciseOfCode([2, 2], "decoding"), kind: "code-of", question: "whether", list: [2, 1], answer: "no" }];
const unescapeXml = (text) => text.replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&amp;/g, "&");

test("the Moodle XML holds a Cloze question per exercise, a blank per answer, and the title only as text", () => {
  for (const title of ["Week 3", HOSTILE]) {
    const text = moodleXml({ ...sheet, title }, "K7Q2", exercises);
    assert.equal(text.match(/<question type="cloze">/g).length, 4);
    const blanks = [...text.matchAll(/\{1:NUMERICAL:=([0-9]+):0\}/g)].map((found) => Number(found[1]));
    assert.deepEqual(blanks, [4, 4, 5, 5, 6, 1, 3, 2, 4, 1, 3, 4]);
    assert.deepEqual(text.match(/\{1:MULTICHOICE:[^}]*\}/g), ["{1:MULTICHOICE:yes~=no}"]);
    const names = [...text.matchAll(/<name><text>(.*?)<\/text><\/name>/g)].map((found) => unescapeXml(found[1]));
    assert.deepEqual(names, [1, 2, 3, 4].map((k) => `${title}, sheet K7Q2, exercise ${k}`));
    assert.equal(text.match(/<hint format="html">/g).length, 12);
    assert.doesNotMatch(text.replace(/^<\?xml[^>]*>/, "").replace(/<\/?(quiz|question|name|text|questiontext|generalfeedback|penalty|hidden|hint|category)\b[^>]*>/g, ""), /[<>]|&(?!(amp|lt|gt|quot);)/);
  }
  assert.match(moodleXml(sheet, "K7Q2", exercises), /Showing the answer: the code is 4 4 5 5 6\./);
});

test("the GIFT holds a question per exercise, its answers with blanks or commas, the title escaped", () => {
  const text = giftText({ ...sheet, title: HOSTILE }, "K7Q2", exercises);
  const questions = text.split("\n\n").filter((part) => part.startsWith("::"));
  assert.equal(questions.length, 4);
  const unescaped = (part) => part.replace(/\\(.)/g, "$1");
  assert.equal(unescaped(questions[0].split("::")[1]), `${HOSTILE}, sheet K7Q2, exercise 1`);
  assert.deepEqual(questions[1].match(/^ {2}=.*$/gm), ["  =1 3 2 4", "  =1,3,2,4", "  =1, 3, 2, 4"]);
  assert.deepEqual(questions[3].match(/^ {2}=.*$/gm), ["  =no"]);
  for (const question of questions) {
    // Every brace, colon, equals sign, hash and tilde of a question's text is escaped but the
    // answers' own marks.
    const [, , rest] = question.split(/(?<!\\)::/);
    const body = rest.slice(0, rest.search(/(?<!\\)\{/));
    assert.doesNotMatch(body, /(?<!\\)[~=#{}:]/);
  }
  assert.equal(fileName({ ...sheet, title: HOSTILE }, "K7Q2", ".xml"), "b-quiz-b-1-numerical-3-sheet-k7q2.xml");
  assert.equal(fileName({ ...sheet, title: " " }, "K7Q2", ".gift.txt"), "pruefer-codes-sheet-k7q2.gift.txt");
});
