// Keeps a walk's step in view as it is stepped through: its control and sentence, its marked
// vertex, and its table's current row, inside both the console's visible box and the window.
// The drawing and the table each scroll in a box of their own, no taller than the console's
// room below the control, so that all of them fit together on any screen.

import { RADIUS } from "./layout.js";

const MIN_ROOM = 64; // pixels: a box is never lower than this, even in a very short console
const SPACING = 24; // pixels: the figure's margins and the boxes' borders

// How far `inner` lies outside the visible part of `outer` along one axis: 0 when inside, else
// the distance to scroll `outer` by to bring it to the middle.
function offCentre(inner, outer, start, size) {
  const before = inner[start] < outer[start];
  const after = inner[start] + inner[size] > outer[start] + outer[size];
  return before || after ? inner[start] + inner[size] / 2 - (outer[start] + outer[size] / 2) : 0;
}

// The part of the box that shows what it holds, without its borders and scroll bars.
function shownPart(box) {
  const outer = box.getBoundingClientRect();
  return { top: outer.top + box.clientTop, left: outer.left + box.clientLeft, height: box.clientHeight, width: box.clientWidth };
}

// Scrolls the box `box` so that all of `targets`, inside it, are in its visible part where they
// fit in it together, else the first of them.
function bringInto(box, ...targets) {
  const rects = targets.map((target) => target.getBoundingClientRect());
  const top = Math.min(...rects.map((r) => r.top));
  const left = Math.min(...rects.map((r) => r.left));
  const all = { top, left, height: Math.max(...rects.map((r) => r.bottom)) - top, width: Math.max(...rects.map((r) => r.right)) - left };
  const outer = shownPart(box);
  const inner = all.height <= outer.height && all.width <= outer.width ? all : rects[0];
  box.scrollTop += offCentre(inner, outer, "top", "height");
  box.scrollLeft += offCentre(inner, outer, "left", "width");
}

// The vertices that a step marks: the lowest leaf or vertex joined, with the vertex written down
// or joined to, or at the edge left over its two ends; before step 1, the root the tree is drawn
// from. The step's other leaves are marked too, so the lowest is looked for first.
function markedVertices(figure) {
  const svg = figure.querySelector("svg");
  const lowest = svg.querySelector('[data-vertex][data-state="lowest"]');
  if (lowest) {
    return [lowest, ...svg.querySelectorAll('[data-vertex][data-state="neighbour"], [data-vertex][data-state="entry"]')];
  }
  const ends = svg.querySelectorAll('[data-vertex][data-state="leaf"], [data-vertex][data-state="free"]');
  return ends.length > 0 ? [...ends] : [svg.querySelector(".root")];
}

// Brings the figure's step into view in the console `scroller` and in the window.
export function keepInView(figure, scroller) {
  const control = figure.querySelector(".step-control");
  const room = Math.max(MIN_ROOM, scroller.clientHeight - control.offsetHeight - SPACING);
  figure.style.setProperty("--room", `${room}px`);
  fitDrawing(figure);
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
  bringInto(drawing, ...markedVertices(figure));
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

// How small a narrow screen's drawing must be for each step's lowest vertex and the vertex it is
// joined to, which are marked together, to fit its box `box` together: 1 where they fit as drawn.
function pairScale(figure, svg, box) {
  const centre = (v) => svg.querySelector(`[data-vertex="${v}"] circle`);
  const tall = parseFloat(getComputedStyle(box).maxHeight) - SCROLL_BAR;
  const across = box.clientWidth;
  if (tall < LOWEST_FOR_PAIRS) {
    return 1; // a box this low shows the lowest vertex alone, at the drawing's own size
  }
  let scale = 1;
  for (const row of figure.querySelectorAll("table.walk tbody tr[data-leaf]")) {
    const [a, b] = [row.dataset.leaf, row.dataset.written ?? row.dataset.entry].map(centre);
    const wide = Math.abs(a.cx.baseVal.value - b.cx.baseVal.value) + 2 * RADIUS + PAIR_MARGIN;
    const high = Math.abs(a.cy.baseVal.value - b.cy.baseVal.value) + 2 * RADIUS + PAIR_MARGIN;
    scale = Math.min(scale, across / wide, tall / high);
  }
  return scale;
}

const PAIR_MARGIN = 8; // pixels around a step's two marked vertices
const LOWEST_FOR_PAIRS = 160; // pixels: the least height of a box made to show both
const LEAST_SCALE = 0.75; // a drawing is never shown smaller than this, but to be seen whole
const GAP = 24; // pixels between the drawing and the table, as the style sheet sets them
const SCROLL_BAR = 20; // pixels, at most, that a scroll bar takes

// Fits the figure's drawing to the console's width where it is wide enough to show the table
// beside it: beside the table, scaled down to no less than three quarters where that suffices;
// else above the table, scaled to the console's width, each in half the room. Before step 1 it
// is scaled to show the whole tree in its box. On a narrow screen the drawing keeps its size
// and scrolls in its box. A drawing made smaller can be seen at its full size, scrolling, by the
// figure's "whole" control.
export function fitDrawing(figure) {
  const view = figure.querySelector(".walk-view");
  const svg = view.querySelector(".drawing-box svg");
  const natural = Number(svg.getAttribute("width"));
  const room = view.clientWidth;
  const wide = matchMedia("(min-width: 900px)").matches;
  // Room beside the table's box, less what a scroll bar of either box may take.
  const table = Math.min(view.querySelector("table").offsetWidth + SCROLL_BAR, 0.6 * room);
  const beside = room - table - GAP - SCROLL_BAR;
  let scale = wide ? 1 : pairScale(figure, svg, view.querySelector(".drawing-box"));
  let stacked = !wide;
  if (wide && natural > beside) {
    stacked = natural * LEAST_SCALE > beside;
    scale = stacked ? Math.max(LEAST_SCALE, Math.min(1, (room - SCROLL_BAR) / natural)) : beside / natural;
  }
  view.classList.toggle("stacked", stacked);
  if (wide && figure.dataset.currentStep === "0") {
    // The box's height as the style sheet sets it for the room measured, stacked or not.
    const tall = parseFloat(getComputedStyle(view.querySelector(".drawing-box")).maxHeight);
    const across = stacked ? room - SCROLL_BAR : Math.max(beside, natural * scale);
    scale = Math.min(scale, (tall - SCROLL_BAR) / Number(svg.getAttribute("height")), across / natural);
  }
  const whole = figure.querySelector(".see-whole");
  whole.hidden = scale === 1 && whole.getAttribute("aria-pressed") !== "true";
  if (whole.getAttribute("aria-pressed") === "true") {
    scale = 1;
  }
  svg.style.width = `${natural * scale}px`;
  svg.style.height = "auto";
}
