const figure = [...document.querySelectorAll("#console figure")].pop();
const marked = (state) => [...figure.querySelectorAll(`svg:not(.swatch) [data-state="${state}"]`)]
  .map((node) => node.getAttribute("data-edge") ?? node.getAttribute("data-vertex")).sort();
return {step: figure.dataset.currentStep, current: marked("current"), lowest: marked("lowest"),
        removed: marked("removed"), row: figure.querySelector('tr[aria-current="step"]')?.dataset.step,
        said: figure.querySelector(".step-control [role=status]").textContent,
        focus: document.activeElement.dataset.move ?? document.activeElement.localName};
