// A drawing prints whole where the page holds it at a readable scale, or in overlapping parts
// that together cover it, none larger than the page.
import { test } from "node:test";
import assert from "node:assert/strict";

import { PAGE_ROOM, PRINT_SCALE, partsOf } from "../../src/print_parts.js";

test("a drawing too large for the page prints in parts that cover it, each fitting the page", () => {
  const cases = [
    [{ left: -118, top: -18, width: 216, height: 356 }, 1],
    [{ left: 0, top: 0, width: 875, height: 1125 }, 1],
    [{ left: -2361, top: -18, width: 2857, height: 1496 }, 8],
    [{ left: 0, top: 0, width: 300, height: 3840 }, 4],
  ];
  for (const [box, count] of cases) {
    const parts = partsOf(box);
    assert.equal(parts.length, count, JSON.stringify(box));
    for (const part of parts) {
      assert.ok(part.width * PRINT_SCALE <= PAGE_ROOM.width && part.height * PRINT_SCALE <= PAGE_ROOM.height);
      assert.ok(part.left >= box.left && part.top >= box.top);
      assert.ok(part.left + part.width <= box.left + box.width + 1e-9 && part.top + part.height <= box.top + box.height + 1e-9);
    }
    // Every point of the drawing lies in a part, and neighbouring parts overlap.
    for (let x = box.left; x <= box.left + box.width; x += box.width / 40) {
      for (let y = box.top; y <= box.top + box.height; y += box.height / 40) {
        assert.ok(parts.some((p) => x >= p.left && x <= p.left + p.width && y >= p.top && y <= p.top + p.height), `${x} ${y}`);
      }
    }
    if (count > 1) {
      const [first, second] = parts;
      assert.ok(first.left + first.width - second.left >= 64 || first.top !== second.top);
    }
  }
});
