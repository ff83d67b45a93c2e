// How a drawing prints: at no less than PRINT_SCALE of its size on the screen, so that its
// smallest labels (12 px) print at 7.2 pt; where the paper cannot hold it whole at that scale,
// in parts, each on a page of its own, overlapping so that every vertex and label is whole in
// one of them. Touches no document.

export const PRINT_SCALE = 0.8;

// The room for a drawing on the smaller of A4 and Letter within the page's margins (1.2 cm), in
// CSS pixels, less a line for the part's heading.
export const PAGE_ROOM = { width: 700, height: 900 };

const OVERLAP = 64; // of neighbouring parts, in the drawing's units: more than a label's width

// The starts of the parts that cover `length` from `first`, each `room` long, overlapping.
function startsOf(first, length, room) {
  const count = length <= room ? 1 : Math.ceil((length - OVERLAP) / (room - OVERLAP));
  const step = count === 1 ? 0 : (length - room) / (count - 1);
  return Array.from({ length: count }, (_, k) => first + k * step);
}

// The parts a drawing whose view box is { left, top, width, height } prints in, each a view box
// of its own, row by row from the top left: the drawing alone, where it fits the page.
export function partsOf({ left, top, width, height }) {
  const across = PAGE_ROOM.width / PRINT_SCALE;
  const down = PAGE_ROOM.height / PRINT_SCALE;
  if (width <= across && height <= down) {
    return [{ left, top, width, height }];
  }
  const [partWidth, partHeight] = [Math.min(width, across), Math.min(height, down)];
  return startsOf(top, height, partHeight).flatMap((y) =>
    startsOf(left, width, partWidth).map((x) => ({ left: x, top: y, width: partWidth, height: partHeight })));
}
