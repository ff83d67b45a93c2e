// The practice section: the choice of exercise, the exercise the address names or the one
// drawn, worked in its view, and the worksheet below.

import { ExerciseView } from "./exercise_view.js";
import { FactView } from "./facts_view.js";
import { FACTS } from "./bridge.js";
import { startWorksheet } from "./worksheet_view.js";
import { sheetIn } from "./worksheet.js";
import { fragmentOf } from "./address.js";
import { SIZES, USUAL_SIZE, exerciseIn, freshSeed, seedAfter } from "./practice.js";

// The sizes to choose from, the usual one chosen.
function offerSizes(select) {
  select.replaceChildren(...SIZES.map((n) => new Option(String(n), String(n), n === USUAL_SIZE, n === USUAL_SIZE)));
}

// Starts the practice section in `section`: the choice of exercise, then the exercise the
// address names, or one at the defaults. `exercises` is a promise of the exercises (as the
// bridge's exercisesOf gives them); `copy(href, status, field)` copies a link, and
// `remember(state)` keeps the exercise drawn in the page's address.
export function startPractice(section, exercises, copy, remember) {
  const choice = section.querySelector("#practise-choice");
  const area = section.querySelector("#exercise-area");
  offerSizes(choice.elements.size);
  let made = null;
  let current = null;
  // Shows the exercise of `state`; `drawn` by the user, it goes into the address. With `focus`,
  // the answer field has the focus, so that what is typed next answers.
  const show = (state, drawn, focus = drawn) => {
    current = state;
    choice.elements.kind.value = state.kind;
    choice.elements.size.value = String(state.n);
    const View = FACTS.includes(state.kind) ? FactView : ExerciseView;
    const view = new View(made.exercise(state.kind, state.n, state.seed), (next = state) =>
      show({ kind: next.kind, n: next.n, seed: seedAfter(state.seed) }, true));
    area.replaceChildren(view.element);
    if (drawn) {
      remember(state);
    }
    if (focus) {
      view.field.focus();
    }
  };
  const chosen = () => show({ kind: choice.elements.kind.value, n: Number(choice.elements.size.value), seed: freshSeed() }, true);
  choice.addEventListener("submit", (event) => {
    event.preventDefault();
    chosen();
  });
  // A change of kind or size is a new exercise of that choice.
  choice.addEventListener("change", () => {
    if (made) chosen();
  });
  // A teacher's link: the exercises alone, without the session typed in the console.
  section.querySelector("#practise-copy").addEventListener("click", () =>
    copy(location.href.split("#")[0] + fragmentOf("", null, current), section.querySelector("#practise-copied"), section.querySelector("#practise-link")));
  startWorksheet(section, exercises, choice, copy);
  const named = exerciseIn(location.hash);
  // A teacher's worksheet link opens the practice at the sheet's kind and size.
  const sheet = sheetIn(location.hash);
  exercises.then((ready) => {
    made = ready;
    if (named) {
      section.scrollIntoView({ block: "start" });
    }
    const opening = { kind: sheet?.kind ?? "encoding", n: sheet?.n ?? USUAL_SIZE, seed: freshSeed() };
    show(named ?? opening, false, named !== null);
  }, (error) => {
    area.textContent = `The practice could not be started in this browser: ${error}.`;
  });
}
