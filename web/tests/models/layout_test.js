// The layout of a tree's drawing: every vertex clear of every other and of every edge but its own,
// and every label placed on its own edge, for trees of every shape the page draws.
import { test } from "node:test";
import assert from "node:assert/strict";

import { RADIUS, layOut } from "../../src/layout.js";

const size = (text) => ({ width: 7 * text.length + 4, height: 14 });

// The edges of the tree of a code, in the order its encoding removes them, as the page orders
// them: [leaf, parent], the edge left over last.
function orderOf(code) {
  const n = code.length + 2;
  const degree = Array(n + 1).fill(1);
  code.forEach((v) => ++degree[v]);
  const order = [];
  for (const entry of code) {
    const leaf = degree.findIndex((d, v) => v > 0 && d === 1);
    order.push([leaf, entry]);
    degree[leaf] = 0;
    --degree[entry];
  }
  const [u, v] = degree.flatMap((d, w) => (w > 0 && d === 1 ? [w] : []));
  return [...order, [u, v]];
}

function distanceToSegment(p, a, b) {
  const [dx, dy] = [b.x - a.x, b.y - a.y];
  const t = Math.max(0, Math.min(1, ((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy)));
  return Math.hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

test("vertices stand clear, and each label sits nearest its own edge, inside the bounds", () => {
  let seed = 7;
  const random = (n) => ((seed = (seed * 1103515245 + 12345) % 2 ** 31), 1 + (seed % n));
  const codes = [
    [4, 4, 5, 5, 6],
    Array(58).fill(60), // a star of 60
    Array.from({ length: 28 }, (_, k) => k + 2), // a path
    Array.from({ length: 40 }, (_, k) => 1 + Math.floor(k / 4)), // a caterpillar
    Array.from({ length: 38 }, () => random(40)),
  ];
  for (const code of codes) {
    const n = code.length + 2;
    const order = orderOf(code);
    const texts = order.map((_, k) => (k === order.length - 1 ? "left over" : String(k + 1)));
    const { points, labels, bounds } = layOut(n, order, texts, size);
    assert.equal(points.size, n);
    const all = [...points.values()];
    all.forEach((p, i) => all.slice(i + 1).forEach((q) => assert.ok(Math.hypot(p.x - q.x, p.y - q.y) >= 2 * RADIUS)));
    for (const [a, b] of order) {
      for (const [v, p] of points) {
        if (v !== a && v !== b) assert.ok(distanceToSegment(p, points.get(a), points.get(b)) >= RADIUS, `${v} on ${a}-${b}`);
      }
    }
    labels.forEach((box, k) => {
      const own = distanceToSegment(box, ...order[k].map((v) => points.get(v)));
      order.forEach((edge, j) => j === k || assert.ok(distanceToSegment(box, ...edge.map((v) => points.get(v))) > own));
      assert.ok(box.x - box.width / 2 >= bounds.left && box.x + box.width / 2 <= bounds.left + bounds.width);
    });
    assert.deepEqual(layOut(n, order, texts, size), { points, labels, bounds }, "the same tree is laid out the same way");
  }
});
