// Where a tree's vertices and its edges' labels go in its picture: rooted at vertex n, in layers
// from the top, or in rings around the root where layers would be too wide. Labels sit on their
// edges, placed one by one where they cover no vertex and no other label; a layout in which
// vertices crowd, an edge runs through a vertex other than its ends, or a label finds no place
// is spread out and tried again.

import { stratify, tree } from "d3-hierarchy";

export const RADIUS = 14; // of a vertex's circle
const GAP = 3; // kept free between any two things drawn
const COLUMN = 40; // between neighbouring vertices of a layer
const LEVEL = 64; // from a layer to the next, and from a ring to the next
const WIDEST_LAYERED = 960; // a wider picture in layers is drawn in rings, if that is narrower
const SPREAD = 1.2; // how much a failed layout is spread out before it is tried again
const TRIES = 30;
const MARGIN = 4; // around everything drawn
const NEARER = 2; // a label's centre is at least this much nearer its own edge than any other

// The layout of the tree on `vertices` vertices whose edges are `order` ([leaf, parent] pairs,
// the edge left over last), with `labels[k]` on edge k, each of size labelSize(text): the
// vertices' points, each label's box ({ x, y, width, height }, centred on x and y) and the
// picture's bounds ({ left, top, width, height }).
export function layOut(vertices, order, labels, labelSize) {
  const root = hierarchyOf(vertices, order);
  const sizes = labels.map(labelSize);
  const layered = spreadUntilClear(layersOf(root), order, sizes);
  if (layered && layered.bounds.width <= WIDEST_LAYERED) {
    return layered;
  }
  const ringed = spreadUntilClear(ringsOf(root), order, sizes);
  if (!layered || (ringed && ringed.bounds.width < layered.bounds.width)) {
    return ringed;
  }
  return layered;
}

// The tree as a d3 hierarchy hanging from vertex n, children in ascending order.
function hierarchyOf(vertices, order) {
  const neighbours = new Map();
  for (const [a, b] of order) {
    for (const [u, v] of [[a, b], [b, a]]) {
      if (!neighbours.has(u)) neighbours.set(u, []);
      neighbours.get(u).push(v);
    }
  }
  const parent = new Map([[vertices, null]]);
  const waiting = [vertices];
  while (waiting.length > 0) {
    const u = waiting.pop();
    for (const v of neighbours.get(u) ?? []) {
      if (!parent.has(v)) {
        parent.set(v, u);
        waiting.push(v);
      }
    }
  }
  const root = stratify()
    .id((row) => String(row.id))
    .parentId((row) => (row.parentId === null ? null : String(row.parentId)))(
    [...parent].map(([id, parentId]) => ({ id, parentId })),
  );
  return root.sort((a, b) => Number(a.id) - Number(b.id));
}

// Points in layers: the root on top, each vertex's children in the layer below it.
function layersOf(root) {
  tree().nodeSize([COLUMN, LEVEL])(root);
  return new Map(root.descendants().map((node) => [Number(node.id), { x: node.x, y: node.y }]));
}

// Points in rings around the root, a ring per depth, each subtree in a sector of its own.
function ringsOf(root) {
  tree()
    .nodeSize([1, 1])
    .separation((a, b) => (a.parent === b.parent ? 1 : 2) / a.depth)(root);
  const nodes = root.descendants();
  const least = Math.min(...nodes.map((node) => node.x));
  const span = Math.max(...nodes.map((node) => node.x)) - least + 1;
  return new Map(
    nodes.map((node) => {
      const angle = ((node.x - least) / span) * 2 * Math.PI;
      const radius = node.depth * LEVEL;
      return [Number(node.id), { x: radius * Math.sin(angle), y: -radius * Math.cos(angle) }];
    }),
  );
}

// The first spreading of `points` in which every vertex stands clear and every label finds a
// place, with its labels and bounds; null if none is found.
function spreadUntilClear(points, order, sizes) {
  let scale = 1;
  for (let attempt = 0; attempt < TRIES; ++attempt, scale *= SPREAD) {
    const at = new Map([...points].map(([v, p]) => [v, { x: p.x * scale, y: p.y * scale }]));
    if (!verticesClear(at, order)) {
      continue;
    }
    const boxes = placeLabels(at, order, sizes);
    if (boxes) {
      return { points: at, labels: boxes, bounds: boundsOf(at, boxes) };
    }
  }
  return null;
}

// Whether no two vertices touch and no edge passes through a vertex other than its ends.
function verticesClear(at, order) {
  const all = [...at];
  for (let i = 0; i < all.length; ++i) {
    for (let j = i + 1; j < all.length; ++j) {
      if (Math.hypot(all[i][1].x - all[j][1].x, all[i][1].y - all[j][1].y) < 2 * RADIUS + GAP) {
        return false;
      }
    }
  }
  const clear = (a, b) => ([v, p]) =>
    v === a || v === b || distanceToSegment(p, at.get(a), at.get(b)) >= RADIUS + GAP;
  return order.every(([a, b]) => all.every(clear(a, b)));
}

// Each edge's label box, placed on its edge where it covers no vertex and no label placed
// before it, nearer its own edge than any other by at least NEARER, and crossing as few other
// edges as can be; null when a label finds no place. The widest label is placed first.
function placeLabels(at, order, sizes) {
  const boxes = new Array(order.length);
  const segments = order.map(([a, b]) => [at.get(a), at.get(b)]);
  const turns = [...order.keys()].sort((i, j) => sizes[j].width - sizes[i].width || i - j);
  for (const k of turns) {
    let best = null;
    for (const box of candidates(segments[k], sizes[k])) {
      if (!isFree(box, at, boxes) || !nearestToOwn(box, k, segments)) {
        continue;
      }
      const crossed = segments.filter((segment, j) => j !== k && crosses(segment, box)).length;
      if (best === null || crossed < best.crossed) {
        best = { box, crossed };
      }
      if (crossed === 0) {
        break;
      }
    }
    if (best === null) {
      return null;
    }
    boxes[k] = best.box;
  }
  return boxes;
}

const ALONG = [0.5, 0.4, 0.6, 0.3, 0.7, 0.45, 0.55, 0.35, 0.65, 0.25, 0.75, 0.2, 0.8];

// The boxes a label of `size` may take on the segment: centred on it at points from its middle
// outwards, then beside it on either side.
function* candidates([from, to], size) {
  const length = Math.hypot(to.x - from.x, to.y - from.y);
  const normal = { x: -(to.y - from.y) / length, y: (to.x - from.x) / length };
  const aside =
    Math.abs(normal.x) * (size.width / 2) + Math.abs(normal.y) * (size.height / 2) + GAP;
  for (const offset of [0, aside, -aside]) {
    for (const t of ALONG) {
      yield {
        x: from.x + t * (to.x - from.x) + offset * normal.x,
        y: from.y + t * (to.y - from.y) + offset * normal.y,
        width: size.width,
        height: size.height,
      };
    }
  }
}

// Whether the box's centre is nearer segment k than any other segment, by at least NEARER, so
// that a reader takes the label for its own edge's.
function nearestToOwn(box, k, segments) {
  const own = distanceToSegment(box, ...segments[k]) + NEARER;
  return segments.every((segment, j) => j === k || distanceToSegment(box, ...segment) >= own);
}

function isFree(box, at, boxes) {
  for (const p of at.values()) {
    const dx = Math.max(Math.abs(p.x - box.x) - box.width / 2, 0);
    const dy = Math.max(Math.abs(p.y - box.y) - box.height / 2, 0);
    if (Math.hypot(dx, dy) < RADIUS + GAP) {
      return false;
    }
  }
  return boxes.every(
    (other) =>
      !other ||
      Math.abs(other.x - box.x) >= (other.width + box.width) / 2 + GAP ||
      Math.abs(other.y - box.y) >= (other.height + box.height) / 2 + GAP,
  );
}

// Whether the segment enters the box (Liang-Barsky clipping).
function crosses([from, to], box) {
  const dx = to.x - from.x;
  const dy = to.y - from.y;
  let enter = 0;
  let leave = 1;
  const sides = [
    [-dx, from.x - (box.x - box.width / 2)],
    [dx, box.x + box.width / 2 - from.x],
    [-dy, from.y - (box.y - box.height / 2)],
    [dy, box.y + box.height / 2 - from.y],
  ];
  for (const [p, q] of sides) {
    if (p === 0) {
      if (q < 0) return false;
    } else if (p < 0) {
      enter = Math.max(enter, q / p);
    } else {
      leave = Math.min(leave, q / p);
    }
  }
  return enter <= leave;
}

function distanceToSegment(p, a, b) {
  const dx = b.x - a.x;
  const dy = b.y - a.y;
  const t = Math.max(0, Math.min(1, ((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy)));
  return Math.hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

function boundsOf(at, boxes) {
  const xs = [];
  const ys = [];
  for (const p of at.values()) {
    xs.push(p.x - RADIUS, p.x + RADIUS);
    ys.push(p.y - RADIUS, p.y + RADIUS);
  }
  for (const box of boxes) {
    xs.push(box.x - box.width / 2, box.x + box.width / 2);
    ys.push(box.y - box.height / 2, box.y + box.height / 2);
  }
  const left = Math.min(...xs) - MARGIN;
  const top = Math.min(...ys) - MARGIN;
  const width = Math.max(...xs) + MARGIN - left;
  return { left, top, width, height: Math.max(...ys) + MARGIN - top };
}
