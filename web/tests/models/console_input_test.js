// What the console hands the program and when: typed lines a line per read, a paste split into
// lines, the pauses the program makes for the page, and what a screen reader hears.
import { test } from "node:test";
import assert from "node:assert/strict";

import { Narration } from "../../src/narration.js";
import { Pauses } from "../../src/pauses.js";
import { TypedInput, dialogueOfEdges, linesOf } from "../../src/typed_input.js";

const text = (bytes) => new TextDecoder().decode(bytes);
const bytes = (words) => new TextEncoder().encode(words);

test("typed text is handed over a line per read, within the read's size, then the end", () => {
  const input = new TypedInput();
  input.push("12\n345\n6");
  input.push("");
  const reads = [];
  for (const size of [10, 2, 10, 10, 10]) {
    reads.push(text(input.take(size)));
  }
  assert.deepEqual(reads, ["12\n", "34", "5\n", "6", ""]);
  assert.ok(input.isEmpty());
  assert.deepEqual(linesOf("1\r\n2\n\n3"), { lines: ["1\n", "2\n", "\n"], rest: "3" });
  assert.deepEqual(linesOf("4"), { lines: [], rest: "4" });
});

test("a pause is due at every eighth asking once a slice has passed, and stays due until made", async (t) => {
  let now = 0;
  const pauses = new Pauses(() => now);
  t.after(() => pauses.close());
  const asked = () => Array.from({ length: 8 }, () => pauses.isDue());
  assert.deepEqual(asked(), Array(8).fill(false));
  now = 29;
  assert.deepEqual(asked(), Array(8).fill(false));
  now = 30;
  assert.deepEqual(asked(), [...Array(7).fill(false), true]);
  assert.equal(pauses.isDue(), true);
  await pauses.pause();
  assert.equal(pauses.isDue(), false);
  now = 59;
  assert.deepEqual(asked().slice(6), [false, false]);
});

test("a screen reader hears the lines, a sentence for a matrix, and a long line shortened in its middle", () => {
  const narration = new Narration();
  narration.take(bytes("Enter your choice (0 to quit): "));
  narration.matrixComing();
  narration.take(bytes("1   0  1  \n2   1  0  \n"));
  narration.matrixShown(2, "walk");
  assert.equal(narration.hear(1000), "Enter your choice (0 to quit): Matrix of 2 vertices printed.\nA drawing of the tree and its walk follows. Next step and Previous step, or the arrow keys, Home and End on the drawing, step through the walk.");
  assert.equal(narration.hear(1000), "");
  narration.take(bytes(`first\nThe Pruefer Code is ( ${Array.from({ length: 3000 }, (_, k) => k % 9 + 1).join(" ")} )\n`));
  const heard = narration.hear(1000);
  assert.ok(heard.length <= 1000, heard.length);
  assert.match(heard, /^first\nThe Pruefer Code is \( 1 2 3 .* … \d+ more entries … .* 2 3 \)$/);
  narration.take(bytes(`${"a ".repeat(20000)}\nlast\n`));
  assert.equal(narration.hear(10), "last");
});

test("a tree typed as a list becomes the menu's dialogue, or is refused in words", () => {
  assert.deepEqual(dialogueOfEdges("1-4, 2-4, 4-3"), { lines: ["1\n", "4\n", "1\n", "4\n", "2\n", "4\n", "4\n", "3\n"] });
  assert.deepEqual(dialogueOfEdges("1 2\n2,3\r\n 3–4 \n"), { lines: ["1\n", "4\n", "1\n", "2\n", "2\n", "3\n", "3\n", "4\n"] });
  const refused = {
    "1-2": /at least two edges/,
    "": /at least two edges/,
    "1-2, 2": /"2" is not an edge/,
    "(1,2), (2,3)": /is not an edge/,
    "1-2, 2-4": /2 edges make a tree of 3 vertices, numbered 1 to 3: 4 is not one of them/,
    "1-2, 0-1": /0 is not one of them/,
    "1-1, 1-2": /1–1 joins a vertex to itself/,
    "1-2, 2-1, 2-3": /The edge 1–2 is listed twice/,
  };
  for (const [text, why] of Object.entries(refused)) {
    assert.match(dialogueOfEdges(text).error ?? "", why, text);
  }
});
