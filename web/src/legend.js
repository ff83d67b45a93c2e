// What each mark of a drawing means, in words, for the legend beside it: each entry the mark (a
// vertex or an edge, with the state the drawing gives it, or the root) and its meaning.

const ROOT = { mark: "vertex", root: true, words: "vertex n, from which the tree is drawn" };

const LEGENDS = {
  encoding: [
    { mark: "vertex", state: "lowest", words: "the lowest leaf, removed at this step" },
    { mark: "vertex", state: "leaf", words: "the other leaves" },
    { mark: "vertex", state: "neighbour", words: "its neighbour, written down" },
    { mark: "vertex", state: "removed", words: "removed before" },
    { mark: "edge", state: "current", words: "the edge removed at this step" },
    { mark: "edge", state: "removed", words: "edges removed before" },
    ROOT,
  ],
  decoding: [
    { mark: "vertex", state: "lowest", words: "the lowest free vertex, joined at this step" },
    { mark: "vertex", state: "free", words: "the other free vertices: not yet joined, not in the rest of the code" },
    { mark: "vertex", state: "entry", words: "the entry it is joined to" },
    { mark: "vertex", state: "used", words: "joined as a leaf before" },
    { mark: "edge", state: "current", words: "the edge made at this step" },
    ROOT,
  ],
  graph: [
    { mark: "edge", cycle: true, words: "the edges of one cycle" },
    { mark: "vertex", state: "unreached", words: "a vertex the cycle does not reach" },
  ],
};

// The practice's drawings, which mark what the steps found and what the hints show.
const PRACTICE_LEGENDS = {
  encoding: [
    { mark: "vertex", state: "leaf", words: "the leaves, as the second hint shows them" },
    { mark: "vertex", state: "lowest", words: "the lowest leaf, as the last hint shows it" },
    { mark: "vertex", state: "removed", words: "removed at the steps found" },
    { mark: "edge", state: "removed", words: "edges removed" },
    ROOT,
  ],
  decoding: [
    { mark: "vertex", state: "entry", words: "the current entry" },
    { mark: "vertex", state: "free", words: "the free vertices, as the second hint shows them" },
    { mark: "vertex", state: "lowest", words: "the lowest of them, as the last hint shows it" },
    { mark: "vertex", state: "used", words: "joined as a leaf at the steps found" },
  ],
};

// The legend of a drawing of `kind`: "encoding" or "decoding", a walk's; "graph", edges that
// are no tree; with `practice`, an exercise's.
export const legendOf = (kind, practice = false) => (practice ? PRACTICE_LEGENDS : LEGENDS)[kind];
