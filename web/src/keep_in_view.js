// Keeps a walk's step in view as it is stepped through: its control and sentence, its marked
// vertex, and its table's current row, inside both the console's visible box and the window.
// The drawing and the table each scroll in a box of their own, no taller than the console's
// room below the control, so that all of them fit together on any screen.

const MIN_ROOM = 64; // pixels: a box is never lower than this, even in a very short console
const SPACING = 24; // pixels: the figure's margins and the boxes' borders

// How far `inner` lies outside the visible part of `outer` along one axis: 0 when inside, else
// the distance to scroll `outer` by to bring it to the middle.
function offCentre(inner, outer, start, size) {
  const before = inner[start] < outer[start];
  const after = inner[start] + inner[size] > outer[start] + outer[size];
  return before || after ? inner[start] + inner[size] / 2 - (outer[start] + outer[size] / 2) : 0;
}

// Scrolls the box `box` so that `target`, inside it, is in its visible part.
function bringInto(box, target) {
  const inner = target.getBoundingClientRect();
  const outer = box.getBoundingClientRect();
  box.scrollTop += offCentre(inner, outer, "top", "height");
  box.scrollLeft += offCentre(inner, outer, "left", "width");
}

// The vertex that a step marks: the lowest leaf or vertex joined, or at the edge left over one
// of its ends; before step 1, the root the tree is drawn from. The step's other leaves are
// marked too, so the lowest is looked for first.
function markedVertex(figure) {
  const svg = figure.querySelector("svg");
  return (
    svg.querySelector('[data-vertex][data-state="lowest"]') ??
    svg.querySelector('[data-vertex][data-state="leaf"], [data-vertex][data-state="free"]') ??
    svg.querySelector(".root")
  );
}

// Brings the figure's step into view in the console `scroller` and in the window.
export function keepInView(figure, scroller) {
  const control = figure.querySelector(".step-control");
  const room = Math.max(MIN_ROOM, scroller.clientHeight - control.offsetHeight - SPACING);
  figure.style.setProperty("--room", `${room}px`);
  // The figure's top at the console's, where it is not wholly in view; its left edge in view.
  const box = scroller.getBoundingClientRect();
  const shown = figure.getBoundingClientRect();
  if (shown.top < box.top || shown.bottom > box.bottom) {
    scroller.scrollTop += shown.top - box.top - scroller.clientTop;
  }
  if (shown.left < box.left || shown.left > box.left + scroller.clientWidth / 2) {
    scroller.scrollLeft += shown.left - box.left - scroller.clientLeft;
  }
  const drawing = figure.querySelector(".drawing-box");
  bringInto(drawing, markedVertex(figure));
  const table = figure.querySelector(".table-box");
  const row = figure.querySelector('tr[aria-current="step"]');
  if (row) {
    bringInto(table, row);
  } else {
    table.scrollTop = 0; // before step 1, the table from its start
  }
  // The console's part that shows the control and the drawing, inside the window.
  // Measured anew: scrolling the document, where it is the scroller, moves the scroller's box.
  const now = scroller.getBoundingClientRect();
  const top = Math.max(control.getBoundingClientRect().top, now.top);
  const bottom = Math.min(drawing.getBoundingClientRect().bottom, now.bottom);
  if (top < 0) {
    window.scrollBy(0, top - 4);
  } else if (bottom > innerHeight) {
    window.scrollBy(0, Math.min(bottom - innerHeight + 4, top));
  }
}

const LEAST_SCALE = 0.75; // a drawing is never shown smaller than this, but to be seen whole
const GAP = 24; // pixels between the drawing and the table, as the style sheet sets them
const SCROLL_BAR = 20; // pixels, at most, that a scroll bar takes

// Fits the figure's drawing to the console's width where it is wide enough to show the table
// beside it: beside the table, scaled down to no less than three quarters where that suffices;
// else above the table, scaled to the console's width, each in half the room. On a narrow
// screen the drawing keeps its size and scrolls in its box. A drawing made smaller can be seen
// at its full size, scrolling, by the figure's "whole" control.
export function fitDrawing(figure) {
  const view = figure.querySelector(".walk-view");
  const svg = view.querySelector(".drawing-box svg");
  const natural = Number(svg.getAttribute("width"));
  const room = view.clientWidth;
  const wide = matchMedia("(min-width: 900px)").matches;
  // Room beside the table's box, less what a scroll bar of either box may take.
  const table = Math.min(view.querySelector("table").offsetWidth + SCROLL_BAR, 0.6 * room);
  const beside = room - table - GAP - SCROLL_BAR;
  let scale = 1;
  let stacked = !wide;
  if (wide && natural > beside) {
    stacked = natural * LEAST_SCALE > beside;
    scale = stacked ? Math.max(LEAST_SCALE, Math.min(1, (room - SCROLL_BAR) / natural)) : beside / natural;
  }
  const whole = figure.querySelector(".see-whole");
  whole.hidden = scale === 1 && whole.getAttribute("aria-pressed") !== "true";
  if (whole.getAttribute("aria-pressed") === "true") {
    scale = 1;
  }
  view.classList.toggle("stacked", stacked);
  svg.style.width = `${natural * scale}px`;
  svg.style.height = "auto";
}
