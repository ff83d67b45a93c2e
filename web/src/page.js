// The page: the console, where the program runs as at a terminal, and the practice beside it,
// each started with its WebAssembly program, which the page's scripts define before this one.
import { copyLink, startConsole } from "./console.js";
import { exercisesOf } from "./bridge.js";
import { exerciseIn } from "./practice.js";
import { startPractice } from "./practice_view.js";

const remember = startConsole(globalThis.createPruefer, exerciseIn(location.hash));
if (typeof globalThis.createExercises !== "function") {
  document.getElementById("exercise-area").textContent =
    "The practice could not be started: the file exercises.js could not be loaded.";
} else {
  startPractice(document.getElementById("practise"), globalThis.createExercises().then(exercisesOf), copyLink, remember);
}
