// A worksheet's exercises as a question bank that a learning platform imports: Moodle XML, one
// Cloze question per exercise with a numerical blank per answer, and GIFT, one short-answer
// question per exercise. Each question states its tree or its code, and gives the walk as its
// general feedback and the practice's three levels of hint. Touches no document.

import { answersOf, foundAt, hintsOfExercise, stepText, stepsOf, taskOf } from "./practice.js";
import { FACTS } from "./bridge.js";
import { factFeedback, factHint, factNumbers, factTask } from "./facts.js";
import { titleOf } from "./worksheet.js";

// Text as HTML or XML shows it, every character plain: markup and entities are shown, not read.
const escaped = (text) => text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;").replace(/"/g, "&quot;");

// HTML in a Cloze question's text, where a brace could open a blank of its own.
const clozeText = (text) => escaped(text).replace(/\{/g, "&#123;").replace(/\}/g, "&#125;");

// Text in GIFT, its own marks (~ = # { } :) and the backslash that escapes them escaped.
const gift = (text) => text.replace(/[\\~=#{}:]/g, (mark) => `\\${mark}`);

// Lines as paragraphs of HTML.
const paragraphs = (lines) => lines.map((line) => `<p>${escaped(line)}</p>`).join("");

// The name of a sheet's question k (from 0).
const nameOf = (sheet, number, k) => `${titleOf(sheet)}, sheet ${number}, exercise ${k + 1}`;

// A Cloze numerical blank whose only right answer is `value`.
const blank = (value) => `{1:NUMERICAL:=${value}:0}`;

// How a GIFT question asks its answer typed.
const HOW = {
  encoding: "Type the code's entries in order, separated by blanks or commas.",
  decoding: "Type, in order, the vertex each entry is joined to, then the two vertices of the edge left over, lower first, separated by blanks or commas.",
  leaves: "Type the leaves, lowest first, separated by blanks or commas.",
  degree: "Type one number.",
  count: "Type the number, its digits alone.",
  "code-of": "Type the place of the wrong entry, counting from 1.",
};

// What a question of a walk asks and says: the task, the numbers that answer it, a numerical
// blank per entry of the code or per entry for the vertex it is joined to and two for the edge
// left over (lower end first), its three hints, and the walk, a sentence per step, as feedback.
function walkQuestion(exercise) {
  const numbers = answersOf(exercise);
  const lines = Array.from({ length: stepsOf(exercise) }, (_, k) => {
    const last = exercise.kind === "decoding" && k === exercise.walk.steps.length;
    const asked = escaped(stepText(exercise, k, false, "").trimEnd());
    return last ? `<li>${asked}${blank(numbers[k])} – ${blank(numbers[k + 1])}</li>` : `<li>${asked} ${blank(numbers[k])}</li>`;
  });
  const how = exercise.kind === "decoding" ? "<p>The edge left over: its lower vertex first.</p>" : "";
  const steps = Array.from({ length: stepsOf(exercise) }, (_, k) => {
    const said = foundAt(exercise, k);
    return `<li>${escaped(said[0].toUpperCase() + said.slice(1))}</li>`;
  });
  return {
    task: taskOf(exercise),
    numbers,
    blanks: `${how}<ol>${lines.join("")}</ol>`,
    hints: hintsOfExercise(exercise),
    feedback: `<p>The walk, step by step:</p><ol>${steps.join("")}</ol>`,
  };
}

// What a question on what a code tells asks and says: a numerical blank per leaf, lowest
// first, or for a degree, a count or a place, or a choice of yes and no; as feedback, the rule
// and the answer.
function factQuestion(exercise) {
  const numbers = factNumbers(exercise);
  const label = exercise.kind === "leaves" ? "The leaves, lowest first:" : "Your answer:";
  const choice = exercise.answer === "yes" ? "{1:MULTICHOICE:=yes~no}" : "{1:MULTICHOICE:yes~=no}";
  return {
    task: factTask(exercise),
    numbers,
    blanks: exercise.question === "whether" ? `<p>${choice}</p>` : `<p>${label} ${numbers.map(blank).join(" ")}</p>`,
    hints: [1, 2, 3].map((level) => factHint(exercise, level)),
    feedback: paragraphs(factFeedback(exercise)),
  };
}

const questionOf = (exercise) => (FACTS.includes(exercise.kind) ? factQuestion(exercise) : walkQuestion(exercise));

function moodleQuestion(sheet, number, exercise, k) {
  const { task, blanks, hints, feedback } = questionOf(exercise);
  return [
    '  <question type="cloze">',
    `    <name><text>${escaped(nameOf(sheet, number, k))}</text></name>`,
    `    <questiontext format="html"><text>${escaped(`<p>${clozeText(task)}</p>${blanks}`)}</text></questiontext>`,
    `    <generalfeedback format="html"><text>${escaped(feedback)}</text></generalfeedback>`,
    "    <penalty>0.3333333</penalty>",
    "    <hidden>0</hidden>",
    ...hints.map((hint) => `    <hint format="html"><text>${escaped(paragraphs([hint]))}</text></hint>`),
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
    `    <category><text>${escaped(category)}</text></category>`,
    "  </question>",
    ...exercises.map((exercise, k) => moodleQuestion(sheet, number, exercise, k)),
    "</quiz>",
    "",
  ].join("\n");
}

// The answers a GIFT question takes: the numbers with blanks, with commas, or with both.
const giftAnswers = (numbers) => [...new Set([numbers.join(" "), numbers.join(","), numbers.join(", ")])].map((text) => `=${gift(text)}`);

// A GIFT question: its general feedback holds the hints (GIFT has none of its own), after the
// walk for a walk's question, whose feedback the hints' last would only repeat for the others.
function giftQuestion(sheet, number, exercise, k) {
  const { task, numbers, hints, feedback } = questionOf(exercise);
  const whether = exercise.question === "whether";
  const said = `${FACTS.includes(exercise.kind) ? "" : feedback}${paragraphs(hints)}`;
  const accepted = whether ? [`=${exercise.answer}`] : giftAnswers(numbers);
  return [
    `::${gift(nameOf(sheet, number, k))}::[html]${gift(paragraphs([task, whether ? "Type yes or no." : HOW[exercise.kind]]))}{`,
    ...accepted.map((each) => `  ${each}`),
    `  ####${gift(said)}`,
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
