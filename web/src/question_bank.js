// A worksheet's exercises as a question bank that a learning platform imports: Moodle XML, one
// Cloze question per exercise with a numerical blank per answer, and GIFT, one short-answer
// question per exercise. Each question states its tree or its code, and gives the walk as its
// general feedback and the practice's three levels of hint. Touches no document.

import { answersOf, foundAt, hintsOfExercise, stepText, stepsOf, taskOf } from "./practice.js";
import { FACTS } from "./bridge.js";
import { factFeedback, factHint, factNumbers, factTask } from "./facts.js";
import { titleOf } from "./worksheet.js";

// Text as HTML shows it, every character plain: markup and entities are shown, not read.
const html = (text) => text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;").replace(/"/g, "&quot;");

// HTML in a Cloze question's text, where a brace could open a blank of its own.
const clozeText = (text) => html(text).replace(/\{/g, "&#123;").replace(/\}/g, "&#125;");

// Text in an XML element.
const xml = (text) => text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;");

// Text in GIFT, its own marks (~ = # { } :) and the backslash that escapes them escaped.
const gift = (text) => text.replace(/[\\~=#{}:]/g, (mark) => `\\${mark}`);

// The name of a sheet's question k (from 0).
const nameOf = (sheet, number, k) => `${titleOf(sheet)}, sheet ${number}, exercise ${k + 1}`;

const isFact = (exercise) => FACTS.includes(exercise.kind);

// What an exercise asks, and the numbers that answer it.
const taskIn = (exercise) => (isFact(exercise) ? factTask(exercise) : taskOf(exercise));
const numbersOf = (exercise) => (isFact(exercise) ? factNumbers(exercise) : answersOf(exercise));
const hintsIn = (exercise) => (isFact(exercise) ? [1, 2, 3].map((level) => factHint(exercise, level)) : hintsOfExercise(exercise));

// The general feedback, as HTML: the walk, a sentence per step, or the rule and the answer.
function walkHtml(exercise) {
  if (isFact(exercise)) {
    return factFeedback(exercise).map((line) => `<p>${html(line)}</p>`).join("");
  }
  const steps = Array.from({ length: stepsOf(exercise) }, (_, k) => {
    const said = foundAt(exercise, k);
    return `<li>${html(said[0].toUpperCase() + said.slice(1))}</li>`;
  });
  return `<p>The walk, step by step:</p><ol>${steps.join("")}</ol>`;
}

// A Cloze numerical blank whose only right answer is `value`.
const blank = (value) => `{1:NUMERICAL:=${value}:0}`;

// The blanks of an exercise, each on a line of its own: one per entry of the code, or one per
// entry for the vertex it is joined to and two for the edge left over, lower end first.
function clozeBlanks(exercise) {
  if (isFact(exercise)) {
    return factBlanks(exercise);
  }
  const answers = answersOf(exercise);
  const lines = Array.from({ length: stepsOf(exercise) }, (_, k) => {
    const last = exercise.kind === "decoding" && k === exercise.walk.steps.length;
    const asked = html(stepText(exercise, k, false, "").trimEnd());
    return last ? `<li>${asked}${blank(answers[k])} – ${blank(answers[k + 1])}</li>` : `<li>${asked} ${blank(answers[k])}</li>`;
  });
  const how = exercise.kind === "decoding" ? "<p>The edge left over: its lower vertex first.</p>" : "";
  return `${how}<ol>${lines.join("")}</ol>`;
}

// The blanks of an exercise on what a code tells: one per leaf, lowest first; one for a degree,
// a count or a place; or a choice of yes and no.
function factBlanks(exercise) {
  if (exercise.question === "whether") {
    return `<p>${exercise.answer === "yes" ? "{1:MULTICHOICE:=yes~no}" : "{1:MULTICHOICE:yes~=no}"}</p>`;
  }
  const numbers = factNumbers(exercise);
  const label = exercise.kind === "leaves" ? "The leaves, lowest first:" : "Your answer:";
  return `<p>${label} ${numbers.map(blank).join(" ")}</p>`;
}

function moodleQuestion(sheet, number, exercise, k) {
  const text = `<p>${clozeText(taskIn(exercise))}</p>${clozeBlanks(exercise)}`;
  const hints = hintsIn(exercise).map((hint) => `    <hint format="html"><text>${xml(`<p>${html(hint)}</p>`)}</text></hint>`);
  return [
    '  <question type="cloze">',
    `    <name><text>${xml(nameOf(sheet, number, k))}</text></name>`,
    `    <questiontext format="html"><text>${xml(text)}</text></questiontext>`,
    `    <generalfeedback format="html"><text>${xml(walkHtml(exercise))}</text></generalfeedback>`,
    "    <penalty>0.3333333</penalty>",
    "    <hidden>0</hidden>",
    ...hints,
    "  </question>",
  ].join("\n");
}

// The Moodle XML of a sheet numbered `number` and its exercises: a category named after the
// sheet, then a Cloze question per exercise.
export function moodleXml(sheet, number, exercises) {
  const category = `$course$/top/pruefer, sheet ${number}`;
  return [
    '<?xml version="1.0" encoding="UTF-8"?>',
    "<quiz>",
    '  <question type="category">',
    `    <category><text>${xml(category)}</text></category>`,
    "  </question>",
    ...exercises.map((exercise, k) => moodleQuestion(sheet, number, exercise, k)),
    "</quiz>",
    "",
  ].join("\n");
}

// The answers a GIFT question takes: the numbers with blanks, with commas, or with both.
const giftAnswers = (numbers) => [...new Set([numbers.join(" "), numbers.join(","), numbers.join(", ")])].map((text) => `=${gift(text)}`);

// How a GIFT question asks its answer typed.
const HOW = {
  encoding: "Type the code's entries in order, separated by blanks or commas.",
  decoding: "Type, in order, the vertex each entry is joined to, then the two vertices of the edge left over, lower first, separated by blanks or commas.",
  leaves: "Type the leaves, lowest first, separated by blanks or commas.",
  degree: "Type one number.",
  count: "Type the number, its digits alone.",
  "code-of": "Type the place of the wrong entry, counting from 1.",
};

function giftQuestion(sheet, number, exercise, k) {
  const [rule, where, answer] = hintsIn(exercise);
  const hints = `<p>${html(rule)}</p><p>${html(where)}</p><p>${html(answer)}</p>`;
  const feedback = isFact(exercise) ? hints : `${walkHtml(exercise)}${hints}`;
  const how = exercise.question === "whether" ? "Type yes or no." : HOW[exercise.kind];
  const accepted = exercise.question === "whether" ? [`=${exercise.answer}`] : giftAnswers(numbersOf(exercise));
  return [
    `::${gift(nameOf(sheet, number, k))}::[html]${gift(`<p>${html(taskIn(exercise))}</p><p>${html(how)}</p>`)}{`,
    ...accepted.map((each) => `  ${each}`),
    `  ####${gift(feedback)}`,
    "}",
  ].join("\n");
}

// The GIFT of a sheet numbered `number` and its exercises: a category named after the sheet,
// then a short-answer question per exercise, whose general feedback holds the walk and the hints
// (GIFT has no hints of its own).
export function giftText(sheet, number, exercises) {
  const head = [`// ${titleOf(sheet)}: pruefer, sheet ${number}`, `$CATEGORY: $course$/top/pruefer, sheet ${number}`];
  return [head.join("\n"), ...exercises.map((exercise, k) => giftQuestion(sheet, number, exercise, k)), ""].join("\n\n");
}

// The name of a sheet's file with the ending `ending`: its title in lower-case letters and
// digits, words joined by dashes, and its number.
export function fileName(sheet, number, ending) {
  const words = titleOf(sheet).toLowerCase().normalize("NFKD").replace(/[^a-z0-9]+/g, " ").trim().split(" ").filter(Boolean);
  return `${[...words.slice(0, 6), "sheet", number.toLowerCase()].join("-")}${ending}`;
}
