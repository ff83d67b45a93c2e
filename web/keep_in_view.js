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
// of its ends; before step 1, the root the tree is drawn from.
function markedVertex(figure) {
  return figure.querySelector(
    'svg [data-state="lowest"], svg [data-vertex][data-state="leaf"], svg [data-vertex][data-state="free"], svg .root',
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
  bringInto(figure.querySelector(".drawing-box"), markedVertex(figure));
  const table = figure.querySelector(".table-box");
  const row = figure.querySelector("tr.current");
  if (row) {
    bringInto(table, row);
  } else {
    table.scrollTop = 0; // before step 1, the table from its start
  }
  // The console's part that shows the control and the drawing, inside the window.
  const top = Math.max(control.getBoundingClientRect().top, scroller.getBoundingClientRect().top);
  const bottom = Math.min(figure.querySelector(".drawing-box").getBoundingClientRect().bottom,
    scroller.getBoundingClientRect().bottom);
  if (top < 0) {
    window.scrollBy(0, top - 4);
  } else if (bottom > innerHeight) {
    window.scrollBy(0, Math.min(bottom - innerHeight + 4, top));
  }
}
