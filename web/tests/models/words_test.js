// How the page lists vertices and names edges.
import { test } from "node:test";
import assert from "node:assert/strict";

import { edgeName, listed } from "../../src/words.js";

test("vertices listed, and an edge named lower end first", () => {
  assert.deepEqual([[3], [3, 1], [1, 2, 3]].map(listed), ["3", "3 and 1", "1, 2 and 3"]);
  assert.deepEqual([edgeName(7, 4), edgeName(4, 7, "-")], ["4–7", "4-7"]);
});
