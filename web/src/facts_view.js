// An exercise on what a code tells, worked in its element as a walk's is: the task, for a tree
// to judge a list against its drawing, the answer field (with Yes and No beside it where the
// question is whether), and the words of each check and hint. The rules are facts.js's.

import { drawUnlabelledTree } from "./drawing.js";
import { ExerciseView } from "./exercise_view.js";
import { FactWork, answerText, factAsk, factData, factTask } from "./facts.js";
import { cell } from "./walk_view.js";

export class FactView extends ExerciseView {
  workOf(exercise) {
    return new FactWork(exercise);
  }

  task() {
    return cell("p", factTask(this.exercise), { class: "task" });
  }

  data() {
    return factData(this.exercise);
  }

  legend() {
    return null;
  }

  stepLine(k, found) {
    return `Your answer: ${found ? answerText(this.exercise) : "?"}`;
  }

  asking() {
    return factAsk(this.exercise);
  }

  // The answer field takes letters or separators where the answer has them; whether a list is
  // the code may be answered with a button too.
  answerForm() {
    const form = super.answerForm();
    const { kind, question } = this.exercise;
    this.field.inputMode = kind === "leaves" || question === "whether" ? "text" : "numeric";
    if (question === "whether") {
      const buttons = ["Yes", "No"].map((word) => {
        const button = cell("button", word, { type: "button", "data-says": word.toLowerCase() });
        button.addEventListener("click", () => this.check(word.toLowerCase()));
        return button;
      });
      form.querySelector("button[type=submit]").before(...buttons);
    }
    return form;
  }

  fitField() {}

  // Only a tree to judge a list against is drawn; the other kinds are read off the code alone.
  draw() {
    if (this.exercise.kind === "code-of") {
      this.drawingBox.replaceChildren(drawUnlabelledTree(this.exercise.n, this.exercise.walk));
    }
  }

  // Once answered, the tree the code makes, step by step; a count has no one tree.
  summaryFigure() {
    return this.exercise.kind === "count" ? null : super.summaryFigure();
  }
}
