// What a screen reader should hear of the program's output: every line outside a matrix, and
// for a matrix one sentence, so that a long printout is announced, not read out.

const decoder = new TextDecoder();
const KEPT_UNHEARD = 10_000; // characters; of a longer text only its last lines would be heard

// How a drawing of a walk is stepped through, said when one appears and shown with it.
export const STEPPING_KEYS =
  "Next step and Previous step, or the arrow keys, Home and End on the drawing, step through the walk.";

// A line shortened in its middle to at most `most` characters, where that leaves room for its
// first and last words: those, and how many words were left out between them.
function shortened(line, most) {
  const words = line.split(" ");
  const room = Math.floor((most - 40) / 2);
  let head = 0;
  for (let length = 0; length + words[head].length + 1 <= room; length += words[head++].length + 1);
  let tail = words.length;
  for (let length = 0; length + words[tail - 1].length + 1 <= room; length += words[--tail].length + 1);
  const left = words.slice(head, tail);
  const what = left.every((word) => /^\d+$/.test(word)) ? "entries" : "words";
  return [...words.slice(0, head), `… ${left.length} more ${what} …`, ...words.slice(tail)].join(" ");
}

// The last lines of `text` that fit in `most` characters, dropping older ones whole; the line
// still being written and the last whole line before it are always kept, however long, so
// that a long line is later shortened in its middle, never cut at its head.
function lastLines(text, most) {
  const lastEnd = text.lastIndexOf("\n", text.length - 2);
  let start = text.lastIndexOf("\n", lastEnd - 1) + 1;
  while (start > 0 && text.length - start < most) {
    start = text.lastIndexOf("\n", start - 2) + 1;
  }
  return text.slice(start);
}

// What a screen reader is told of the drawing that follows a matrix.
const FOLLOWING = {
  walk: `A drawing of the tree and its walk follows. ${STEPPING_KEYS}\n`,
  graph: "A drawing of the graph follows, one of its cycles marked.\n",
};

export class Narration {
  constructor() {
    this.unheard = "";
    this.inMatrix = false;
  }

  // Takes bytes of output, which is plain ASCII, as they are written.
  take(bytes) {
    if (!this.inMatrix) {
      this.unheard += decoder.decode(bytes);
      if (this.unheard.length > 2 * KEPT_UNHEARD) {
        this.unheard = lastLines(this.unheard, KEPT_UNHEARD);
      }
    }
  }

  // A matrix's printout begins; its text is not heard.
  matrixComing() {
    this.inMatrix = true;
  }

  // The printout of a matrix of n vertices has ended; what follows it is drawn: "walk", a tree
  // and its walk, "graph", edges that are no tree, or null, nothing.
  matrixShown(n, drawn) {
    this.inMatrix = false;
    this.unheard += `Matrix of ${n} vertices printed.\n${FOLLOWING[drawn] ?? ""}`;
  }

  // What a screen reader has not heard yet, its last lines up to `most` characters in all; the
  // last line too long to be heard at once is shortened in its middle to the room left, never
  // dropped. Then forgets it.
  hear(most) {
    const lines = this.unheard.trimEnd().split("\n");
    this.unheard = "";
    const kept = [];
    let room = most;
    for (let k = lines.length - 1; k >= 0; --k) {
      const line = lines[k].length > most ? shortened(lines[k], room) : lines[k];
      if (line.length > room) {
        break;
      }
      kept.unshift(line);
      room -= line.length + 1;
    }
    return kept.join("\n").trim();
  }
}
