// A graph of typed edges that is no tree: one cycle it closes, and the vertices that no path
// joins to that cycle, as the drawing marks them and its caption says. Edges are pairs [u, v],
// u < v, on vertices 1 to n.

import { edgeName, listed } from "./words.js";

// One cycle of the graph on vertices 1 to n whose edges are given, as its edges, each [u, v]
// with u < v: the first that a depth-first search closes.
export function cycleOf(n, edges) {
  const neighbours = Array.from({ length: n + 1 }, () => []);
  for (const [u, v] of edges) {
    neighbours[u].push(v);
    neighbours[v].push(u);
  }
  const parent = new Array(n + 1).fill(undefined);
  for (let start = 1; start <= n; ++start) {
    if (parent[start] !== undefined) continue;
    parent[start] = 0;
    const waiting = [start];
    while (waiting.length > 0) {
      const u = waiting.pop();
      for (const v of neighbours[u]) {
        if (v === parent[u]) continue;
        if (parent[v] === undefined) {
          parent[v] = u;
          waiting.push(v);
          continue;
        }
        // u and v are both reached: the tree paths from each to their common ancestor close
        // the cycle with the edge between them.
        const up = (w) => { const path = [w]; while (parent[w] !== 0) path.push((w = parent[w])); return path; };
        const [fromU, fromV] = [up(u), up(v)];
        const common = fromU.find((w) => fromV.includes(w));
        const ring = [...fromU.slice(0, fromU.indexOf(common) + 1), ...fromV.slice(0, fromV.indexOf(common)).reverse()];
        return edgesAround(ring);
      }
    }
  }
  return [];
}

// The edges of the cycle through `ring`, its vertices in order, as a person reads them: from
// its lowest vertex towards the lower of that vertex's two neighbours, each lower end first.
function edgesAround(ring) {
  const lowest = ring.indexOf(Math.min(...ring));
  let around = [...ring.slice(lowest), ...ring.slice(0, lowest)];
  if (around[1] > around.at(-1)) {
    around = [around[0], ...around.slice(1).reverse()];
  }
  return around.map((w, k) => {
    const x = around[(k + 1) % around.length];
    return [Math.min(w, x), Math.max(w, x)];
  });
}

// The vertices of 1 to n that no path of the given edges joins to `from`.
export function unreachedFrom(from, n, edges) {
  const reached = new Set([from]);
  for (let grew = true; grew; ) {
    grew = false;
    for (const [u, v] of edges) {
      if (reached.has(u) !== reached.has(v)) {
        reached.add(u).add(v);
        grew = true;
      }
    }
  }
  return Array.from({ length: n }, (_, k) => k + 1).filter((v) => !reached.has(v));
}

// What the drawing of the graph marks and says: the edges of one cycle, the vertices not reached
// from it, and the caption that tells both.
export function graphOf(n, edges) {
  const cycle = cycleOf(n, edges);
  const unreached = cycle.length > 0 ? unreachedFrom(cycle[0][0], n, edges) : [];
  const names = cycle.map(([u, v]) => edgeName(u, v));
  const caption =
    `These edges are no tree: ${listed(names)} close a cycle, and ` +
    (unreached.length === 1 ? `vertex ${unreached[0]} is` : `vertices ${listed(unreached)} are`) +
    " not reached from it.";
  return { cycle, unreached, caption };
}
