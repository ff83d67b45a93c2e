// What of the exercise being answered lies in the window: the drawing, the step being answered,
// its box, the verdict and the hint, and the drawing's marked vertex, clear of the answer panel
// where that stays at the window's foot.
const exercise = document.querySelector("#practise [data-exercise]");
const inView = (node) => {
  if (!node) return false;
  const box = node.getBoundingClientRect();
  return box.height > 0 && box.top >= -1 && box.bottom <= innerHeight + 1 && box.left >= -1 && box.right <= innerWidth + 1;
};
const marked = ["lowest", "entry", "leaf", "free"]
  .map((state) => exercise.querySelector(`.practice-drawing [data-vertex][data-state="${state}"]`))
  .find(Boolean) ?? null;
const panel = exercise.querySelector(".practice-panel").getBoundingClientRect();
const wide = matchMedia("(min-width: 900px)").matches;
return {drawing: inView(exercise.querySelector(".practice-drawing svg")),
        item: inView(exercise.querySelector('.practice-steps [aria-current="step"]')),
        field: inView(exercise.querySelector("input[data-answer]")),
        verdict: inView(exercise.querySelector(".verdict")),
        hint: inView(exercise.querySelector(".practice-hint")),
        marked: marked === null || (inView(marked) && (wide || marked.getBoundingClientRect().bottom <= panel.top + 1))};
