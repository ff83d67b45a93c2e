// What the user has sent and the program has not read yet, handed over a line at a time, as a
// terminal hands a program the lines typed ahead: a read returns at most one line.

import { edgeName } from "./words.js";

const encoder = new TextEncoder();

export class TypedInput {
  constructor() {
    this.queue = []; // byte arrays of sent text, and null for the end of input
  }

  // Queues `text` as sent; an empty text is the end of input.
  push(text) {
    this.queue.push(text ? encoder.encode(text) : null);
  }

  isEmpty() {
    return this.queue.length === 0;
  }

  // The next bytes for a read of at most `size` bytes: up to and including the first line end,
  // or an empty array at the end of input. Call only when not empty.
  take(size) {
    const first = this.queue[0];
    if (first === null) {
      this.queue.shift();
      return new Uint8Array(0);
    }
    const lineEnd = first.indexOf(10);
    const length = Math.min(size, lineEnd === -1 ? first.length : lineEnd + 1);
    if (length === first.length) {
      this.queue.shift();
    } else {
      this.queue[0] = first.subarray(length);
    }
    return first.subarray(0, length);
  }
}

// The whole lines of `text`, as a terminal sends a paste, each with its line end ("\r\n" read as
// "\n"), and the rest after the last line end.
export function linesOf(text) {
  const lines = text.split(/\r?\n/);
  const rest = lines.pop();
  return { lines: lines.map((each) => each + "\n"), rest };
}

// The lines a person types for choice 1 of the menu with the tree whose edges `text` lists, as
// "1-4, 2-4, 4-5" or a pair on each line ("1 4", "1,4", "1-4"): the choice, the vertex count (one
// more than the number of edges) and each edge's two ends, each line with its line end. As
// { lines }, or { error } where the text is no list of edges the program would take as typed.
export function dialogueOfEdges(text) {
  const pieces = (/\n/.test(text.trim()) ? text.split(/\r?\n/) : text.split(/[,;]/)).map((piece) => piece.trim()).filter(Boolean);
  const edges = [];
  for (const piece of pieces) {
    const found = /^([0-9]{1,9})\s*(?:[-–,]|\s)\s*([0-9]{1,9})$/.exec(piece);
    if (!found) {
      return { error: `"${piece}" is not an edge: write each as two vertex numbers with a dash or a blank between them, as 1-4, the edges separated by commas or one on each line.` };
    }
    edges.push([Number(found[1]), Number(found[2])]);
  }
  if (edges.length < 2) {
    return { error: "A tree typed as a list needs at least two edges: the program takes trees of three or more vertices." };
  }
  const n = edges.length + 1;
  const seen = new Set();
  for (const [a, b] of edges) {
    const outside = [a, b].find((v) => v < 1 || v > n);
    if (outside !== undefined) {
      return { error: `${edges.length} edges make a tree of ${n} vertices, numbered 1 to ${n}: ${outside} is not one of them.` };
    }
    const name = edgeName(a, b);
    if (a === b || seen.has(name)) {
      return { error: a === b ? `${a}–${b} joins a vertex to itself.` : `The edge ${name} is listed twice.` };
    }
    seen.add(name);
  }
  return { lines: ["1", String(n), ...edges.flat().map(String)].map((line) => `${line}\n`) };
}
