// The worksheet a teacher hands out: the student's sheet (a title, lines for a name, a date and
// a class, and each exercise with room to work), the answer key on pages of its own, the files
// a course site imports, and the teacher's link that makes them again. The rules are
// worksheet.js's and practice.js's; the files are question_bank.js's.

import { drawCircle, drawUnlabelledTree } from "./drawing.js";
import { answersOf, edgeNames, edgesAsData, freshSeed, stepText, stepsOf, taskOf } from "./practice.js";
import { FACTS } from "./bridge.js";
import { answerText, factData, factTask } from "./facts.js";
import { SHEET_MOST, exercisesOfSheet, sheetIn, sheetNumber, titleOf } from "./worksheet.js";
import { fileName, giftText, moodleXml } from "./question_bank.js";
import { worksheetFragment } from "./address.js";
import { cell } from "./walk_view.js";
import { edgeName, listed } from "./words.js";

const CIRCLE_GAP = 24; // between the numbered circles of a tree to find, room to draw its edges

// The data a sheet's exercise carries for a reader and a test: its question as printed.
function exerciseData(exercise, k) {
  const { kind, n, code, walk } = exercise;
  const question = kind === "encoding" ? { "data-edges": edgesAsData(walk) } : { "data-code": code.join(" ") };
  return { "data-sheet-exercise": k + 1, "data-kind": kind, "data-direction": kind, "data-n": n, ...question };
}

// Room to write the code: a box per entry, numbered beneath.
function codeBoxes(exercise) {
  const boxes = cell("ol", "", { class: "code-boxes", "aria-label": `${stepsOf(exercise)} boxes, one per entry` });
  boxes.append(...Array.from({ length: stepsOf(exercise) }, () => cell("li")));
  return [cell("p", "Its code:", { class: "boxes-label" }), boxes];
}

// Room to find the tree: the n vertices as numbered circles to draw the edges between, and a
// line per step to write each vertex joined on.
function stepLines(exercise) {
  const lines = cell("ol", "", { class: "step-lines" });
  lines.append(
    ...Array.from({ length: stepsOf(exercise) }, (_, k) => {
      const line = cell("li", stepText(exercise, k, false, ""));
      line.append(cell("span", "", { class: "write-in" }));
      if (k === exercise.walk.steps.length) line.append(" – ", cell("span", "", { class: "write-in" }));
      return line;
    }),
  );
  return lines;
}

// An exercise on what a code tells: its question, the tree to judge a list against, and a line
// for the answer.
function sheetFact(exercise, k) {
  const item = cell("li", "", { "data-sheet-exercise": k + 1, "data-kind": exercise.kind, "data-n": exercise.n, ...factData(exercise) });
  item.append(cell("p", factTask(exercise), { class: "question" }));
  if (exercise.kind === "code-of") {
    item.append(drawUnlabelledTree(exercise.n, exercise.walk));
  }
  const line = cell("p", "Answer:", { class: "fact-answer" });
  line.append(cell("span", "", { class: "write-in" }));
  item.append(line);
  return item;
}

function sheetExercise(exercise, k) {
  if (FACTS.includes(exercise.kind)) {
    return sheetFact(exercise, k);
  }
  const item = cell("li", "", exerciseData(exercise, k));
  item.append(cell("p", taskOf(exercise), { class: "question" }));
  if (exercise.kind === "encoding") {
    item.append(drawUnlabelledTree(exercise.n, exercise.walk), ...codeBoxes(exercise));
  } else {
    item.append(drawCircle(exercise.n, [], `The vertices 1 to ${exercise.n}, to draw the tree's edges between`, CIRCLE_GAP), stepLines(exercise));
  }
  return item;
}

// The student's sheet: nothing on it leads to its answers, its number only matching it to its
// key.
function studentSheet(sheet, number, exercises) {
  const element = cell("div", "", { class: "worksheet", "data-worksheet": "", "data-sheet": number });
  const head = cell("div", "", { class: "sheet-head" });
  head.append(cell("h3", titleOf(sheet)), cell("p", `Sheet ${number}`, { class: "sheet-number" }));
  const lines = cell("p", "", { class: "sheet-lines" });
  for (const word of ["Name", "Date", "Class"]) {
    lines.append(cell("span", word, { class: "sheet-line" }));
  }
  // How to answer, for the kinds of exercise the sheet holds.
  const kinds = new Set(exercises.map(({ kind }) => (FACTS.includes(kind) ? "fact" : kind)));
  const how = [
    kinds.has("encoding") && "Write a code's entries one to a box.",
    kinds.has("decoding") && "For a tree, draw its edges between the numbered circles and write the vertex each entry is joined to on its line.",
    kinds.has("fact") && `Write each ${kinds.size > 1 ? "other " : ""}answer on its line.`,
  ].filter(Boolean).join(" ");
  const list = cell("ol", "", { class: "sheet-exercises" });
  list.append(...exercises.map(sheetExercise));
  element.append(head, lines, cell("p", how, { class: "sheet-how" }), list);
  return element;
}

// One entry of the key: the code; or the tree's edges, the vertex each entry is joined to, and
// the tree drawn small.
function keyEntry(exercise, k) {
  const item = cell("li", "", { "data-key-exercise": k + 1 });
  if (FACTS.includes(exercise.kind)) {
    item.append(cell("p", `Answer: ${exercise.question === "which" ? `entry ${exercise.answer}` : answerText(exercise)}`));
    return item;
  }
  if (exercise.kind === "encoding") {
    item.append(cell("p", `Code: ${exercise.code.join(" ")}`));
    return item;
  }
  const answers = answersOf(exercise);
  const joined = `Joined, entry by entry: ${answers.slice(0, -2).join(" ")}; left over ${edgeName(...answers.slice(-2))}`;
  item.append(cell("p", `Edges: ${listed(edgeNames(exercise.walk))}`), cell("p", joined), drawUnlabelledTree(exercise.n, exercise.walk));
  return item;
}

// The key, on pages of its own, headed so that it is never taken for the student's sheet.
function answerKey(sheet, number, exercises) {
  const element = cell("div", "", { class: "answer-key", "data-answer-key": "", "data-sheet": number });
  element.append(cell("h3", "Answers"), cell("p", `For the teacher: ${titleOf(sheet)}, sheet ${number}. Not for handing out.`, { class: "sheet-number" }));
  const list = cell("ol", "", { class: "key-entries" });
  list.append(...exercises.map(keyEntry));
  element.append(list);
  return element;
}

// A link that downloads `text` as the file `name`, made in the page.
function download(link, text, type, name) {
  link.href = `data:${type};charset=utf-8,${encodeURIComponent(text)}`;
  link.download = name;
}

// The worksheet chosen in `form`, the practice's kind and size from `choice`.
function sheetChosen(form, choice, seed) {
  const count = Math.max(1, Math.min(SHEET_MOST, Math.trunc(Number(form.elements.count.value)) || 1));
  form.elements.count.value = String(count);
  return {
    kind: choice.elements.kind.value,
    n: Number(choice.elements.size.value),
    seed,
    count,
    answers: form.elements.answers.checked,
    mix: form.elements.mix.checked,
    title: form.elements.title.value,
  };
}

// Shows `sheet` in `section`: the student's sheet, its key where asked for, the files, and the
// teacher's link. While a sheet is shown, printing prints it.
function showSheet(section, made, sheet) {
  const number = sheetNumber(sheet);
  const exercises = exercisesOfSheet(sheet).map(({ kind, n, seed }) => made.exercise(kind, n, seed));
  const place = section.querySelector("#worksheet");
  place.replaceChildren(studentSheet(sheet, number, exercises), ...(sheet.answers ? [answerKey(sheet, number, exercises)] : []));
  download(section.querySelector("[data-download=moodle]"), moodleXml(sheet, number, exercises), "application/xml", fileName(sheet, number, ".xml"));
  download(section.querySelector("[data-download=gift]"), giftText(sheet, number, exercises), "text/plain", fileName(sheet, number, ".gift.txt"));
  section.querySelector("#worksheet-tools").hidden = false;
  document.body.dataset.print = "worksheet";
}

// Starts the worksheet's controls in `section`: `made` is a promise of the exercises, `choice`
// the practice's form, whose kind and size a sheet takes, and `copy(href, status, field)`
// copies the teacher's link. A link that names a sheet makes it at once.
export function startWorksheet(section, made, choice, copy) {
  const form = section.querySelector("#worksheet-choice");
  let seed = freshSeed();
  let shown = null;
  const make = async (sheet = sheetChosen(form, choice, seed)) => {
    shown = sheet;
    showSheet(section, await made, sheet);
  };
  form.addEventListener("submit", (event) => {
    event.preventDefault();
    make();
  });
  section.querySelector("#worksheet-other").addEventListener("click", () => {
    seed = freshSeed();
    make();
  });
  section.querySelector("#worksheet-print").addEventListener("click", () => window.print());
  section.querySelector("#worksheet-close").addEventListener("click", () => {
    section.querySelector("#worksheet").replaceChildren();
    section.querySelector("#worksheet-tools").hidden = true;
    delete document.body.dataset.print;
    form.elements.title.focus();
  });
  section.querySelector("#worksheet-copy").addEventListener("click", () =>
    copy(location.href.split("#")[0] + worksheetFragment(shown), section.querySelector("#worksheet-copied"), section.querySelector("#worksheet-link")));
  const named = sheetIn(location.hash);
  if (named) {
    seed = named.seed;
    form.elements.count.value = String(named.count);
    form.elements.answers.checked = named.answers;
    form.elements.mix.checked = named.mix;
    form.elements.title.value = named.title;
    make(named).then(() => form.scrollIntoView({ block: "start" }));
  }
}
