const figure = [...document.querySelectorAll("#console figure[data-figure]")].pop();
const visible = (node) => {
  if (!node) return null;
  const r = node.getBoundingClientRect();
  let box = {left: 0, top: 0, right: innerWidth, bottom: innerHeight};
  for (let up = node.parentElement; up; up = up.parentElement) {
    const style = getComputedStyle(up);
    if (style.overflowX === "visible" && style.overflowY === "visible") continue;
    const b = up.getBoundingClientRect();
    const left = b.left + up.clientLeft, top = b.top + up.clientTop;
    box = {left: Math.max(box.left, left), top: Math.max(box.top, top),
           right: Math.min(box.right, left + up.clientWidth),
           bottom: Math.min(box.bottom, top + up.clientHeight)};
  }
  return r.left >= box.left - 1 && r.right <= box.right + 1 && r.top >= box.top - 1 &&
    r.bottom <= box.bottom + 1;
};
const marked = figure.querySelector('svg [data-vertex][data-state="lowest"]') ??
  figure.querySelector('svg [data-vertex][data-state="leaf"], svg [data-vertex][data-state="free"]');
const table = figure.querySelector(".table-box");
const caption = figure.querySelector("table.walk caption").getBoundingClientRect();
return {step: figure.dataset.currentStep, control: visible(figure.querySelector(".step-control")),
        neighbour: visible(figure.querySelector('svg [data-vertex][data-state="neighbour"], svg [data-vertex][data-state="entry"]')),
        sideways: table.scrollWidth > table.clientWidth + 1 || caption.left < table.getBoundingClientRect().left - 1,
        sentence: visible(figure.querySelector(".step-control [role=status]")),
        vertex: visible(marked), row: visible(figure.querySelector('tr[aria-current="step"]'))};
