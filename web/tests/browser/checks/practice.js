const exercise = document.querySelector("#practise [data-exercise]");
const marks = {};
for (const vertex of exercise.querySelectorAll(".practice-drawing [data-vertex][data-state]")) {
  (marks[vertex.dataset.state] ??= []).push(vertex.dataset.vertex);
}
Object.values(marks).forEach((vertices) => vertices.sort((a, b) => a - b));
const summary = exercise.querySelector("[data-summary]");
return {direction: exercise.dataset.kind, n: exercise.dataset.n, seed: exercise.dataset.seed,
        code: exercise.querySelector("[data-code]")?.textContent ?? null,
        results: [...exercise.querySelectorAll(".practice-steps [data-step]")]
          .map((step) => step.dataset.result ?? ""),
        said: [...exercise.querySelector("[role=status]").children].map((p) => p.textContent).join(" "),
        level: exercise.querySelector("[data-hint-level]")?.dataset.hintLevel ?? null,
        hint: exercise.querySelector(".practice-hint")?.textContent ?? "",
        mistakes: [...exercise.querySelectorAll(".practice-steps [data-step]")]
          .map((step) => step.dataset.mistake ?? ""),
        marks, edges: exercise.querySelectorAll(".practice-drawing [data-edge]").length,
        review: [...exercise.querySelectorAll("[data-review] li")].map((item) => item.textContent),
        next: exercise.querySelector("[data-next]")?.textContent ?? null,
        summary: summary && [summary.dataset.rightFirstTime, summary.dataset.hints, summary.textContent],
        walk: exercise.querySelectorAll("figure table.walk").length,
        focus: document.activeElement.id || document.activeElement.textContent,
        hash: location.hash};
