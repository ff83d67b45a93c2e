const figure = [...document.querySelectorAll("#console figure")].pop();
const states = {};
for (const node of figure.querySelectorAll("svg [data-vertex], svg [data-edge]")) {
  const name = node.dataset.vertex ?? node.dataset.edge;
  const state = node.dataset.state ?? "none";
  (states[state] ??= []).push(name);
  if (getComputedStyle(node).visibility === "hidden") (states.hidden ??= []).push(name);
}
Object.values(states).forEach((names) => names.sort());
return {states, said: figure.querySelector(".step-control [role=status]").textContent,
        code: figure.querySelector(".code-so-far").textContent,
        marked: figure.querySelector(".code-so-far mark")?.textContent ?? null};
