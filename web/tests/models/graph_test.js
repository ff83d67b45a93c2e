// The cycle that edges which are no tree close, and the vertices it leaves unreached.
import { test } from "node:test";
import assert from "node:assert/strict";

import { graphOf } from "../../src/graph.js";

test("one cycle, read from its lowest vertex, and the vertices no path joins to it", () => {
  const cases = [
    [4, [[1, 2], [1, 3], [2, 3]], [[1, 2], [2, 3], [1, 3]], [4], "These edges are no tree: 1–2, 2–3 and 1–3 close a cycle, and vertex 4 is not reached from it."],
    [6, [[2, 5], [3, 5], [2, 3], [1, 4], [4, 6]], [[2, 3], [3, 5], [2, 5]], [1, 4, 6], "These edges are no tree: 2–3, 3–5 and 2–5 close a cycle, and vertices 1, 4 and 6 are not reached from it."],
    [5, [[1, 4], [2, 4], [2, 5], [4, 5]], [[2, 4], [4, 5], [2, 5]], [3], null],
    [5, [[1, 2], [2, 3], [3, 4], [1, 4]], [[1, 2], [2, 3], [3, 4], [1, 4]], [5], null],
  ];
  for (const [n, edges, cycle, unreached, caption] of cases) {
    const graph = graphOf(n, edges);
    assert.deepEqual([graph.cycle, graph.unreached], [cycle, unreached], JSON.stringify(edges));
    if (caption) assert.equal(graph.caption, caption);
  }
});
