// The console: what the program writes, exactly as a terminal shows it, with the typed lines
// in place after the prompts they answer, error messages and pictures. Output is shown once an
// animation frame, in blocks that the browser lays out only when they are scrolled into view,
// and only about the last million characters are kept: of a longer printout the rest is never
// shown at all.

import { scrollableByKeyboard } from "./scroll_box.js";

const KEPT = 1_000_000; // characters of console text kept; older ones are dropped
// A block of console text, laid out on its own, is closed at the first line end past either of
// these, so that what the browser lays out as text arrives is little more than what is in view.
const CHUNK = 16_384; // characters
const CHUNK_LINES = 64;
// Milliseconds between showings while the program goes on writing or reading lines typed ahead;
// it is shown at once when it comes to wait.
const REPAINT = 150;
const LEAD_MOST = 120; // characters of the line that leads a matrix's printout, at most
const DROPPED_NOTE = `Older output was dropped: the console keeps about the last ${KEPT.toLocaleString("en")} characters.`;

// The program's output is plain ASCII, so each of its pieces decodes on its own, a byte a
// character, and a piece can be cut anywhere.
const decoder = new TextDecoder();

// A typed line is made into a node only if it is shown: of a long paste followed by a long
// printout, most never are. Each decodes on its own; a line longer than a read, cut within a
// character, would show a stand-in character at the cut.
const typedDecoder = new TextDecoder();

// About the characters of text a piece shows: bytes of output, a typed line (as { typed }, its
// bytes) or an error; a figure, and where a matrix's printout starts or ends, show none.
function lengthOf(piece) {
  if (piece instanceof Uint8Array) {
    return piece.length;
  }
  if (piece.figure || piece.matrix) {
    return 0;
  }
  return piece.typed ? piece.typed.length : piece.textContent.length;
}

// The box a matrix's printout is shown in; it scrolls sideways on its own, by keyboard too.
function matrixBox() {
  const node = document.createElement("div");
  node.className = "matrix";
  scrollableByKeyboard(node, "The matrix, scrolling sideways");
  return node;
}

function typedLine(bytes) {
  const node = document.createElement("kbd");
  node.dir = "auto";
  node.textContent = typedDecoder.decode(bytes);
  return node;
}

export class ConsoleView {
  // Shows into `view`; `dropped` is the note that older output was dropped; `idle()` is called
  // whenever everything pending has been shown.
  constructor(view, dropped, idle) {
    this.view = view;
    this.dropped = dropped;
    this.idle = idle;
    this.pending = []; // bytes of output, and nodes: typed lines, errors, figures
    this.pendingLength = 0; // characters of text pending
    this.painting = false;
    this.shown = 0; // characters of text in the console
    this.chunk = null; // the block that takes the next text
    this.matrix = null; // the box of the matrix being printed, which takes its blocks
    this.matrixLead = false; // whether a matrix's printout has begun, its box not yet made
    this.lastPaint = 0;
  }

  // Shows what is pending at once, as the program comes to wait.
  flush() {
    if (this.painting) {
      this.lastPaint = 0;
      this.paint();
    }
  }

  // Whether something is still to be shown.
  get busy() {
    return this.painting;
  }

  // Removes what the page showed before the program started.
  clear() {
    this.view.replaceChildren();
  }

  // Queues bytes of output, a typed line (as { typed }), an error, a figure (as { figure }), or
  // where a matrix's printout starts or ends (as { matrix: "start" } or { matrix: "end" }).
  show(piece) {
    this.pending.push(piece);
    this.pendingLength += lengthOf(piece);
    if (this.pendingLength > 2 * KEPT) {
      this.skipDropped(); // what is pending stays in proportion to what is kept
    }
    if (!this.painting) {
      this.painting = true;
      requestAnimationFrame(() => this.paint());
    }
  }

  // Shows what is pending and keeps the newest line in view. While the program goes on, this is
  // done a few times a second, not once a frame, so that the browser spends its time on the
  // program rather than on laying out what is soon scrolled away.
  paint() {
    if (!this.painting) {
      return; // shown already, as the program came to wait
    }
    if (performance.now() - this.lastPaint < REPAINT) {
      requestAnimationFrame(() => this.paint());
      return;
    }
    this.lastPaint = performance.now();
    this.skipDropped();
    for (const piece of this.pending) {
      this.append(piece);
    }
    this.pending = [];
    this.pendingLength = 0;
    this.dropOldest();
    this.view.scrollTop = this.view.scrollHeight;
    this.view.scrollLeft = 0;
    this.painting = false;
    this.idle();
  }

  // Shows one piece. A matrix's printout goes into a box of its own, which scrolls sideways as
  // one block, its rows unwrapped under their heading; all other text wraps in the console.
  append(piece) {
    if (piece.figure || piece.matrix) {
      if (this.chunk) {
        this.closeChunk();
      }
      if (piece.figure) {
        this.view.append(piece.figure);
      } else {
        this.matrix = null;
        this.matrixLead = piece.matrix === "start";
      }
      return;
    }
    if (this.matrixLead && piece instanceof Uint8Array) {
      this.startMatrix(piece);
      return;
    }
    if (piece.typed) {
      piece = typedLine(piece.typed);
    }
    const text = piece instanceof Uint8Array ? decoder.decode(piece) : piece.textContent;
    const container = this.matrix ?? this.view;
    if (this.chunk === null || this.chunk.node !== container.lastElementChild) {
      this.chunk = { node: document.createElement("div"), length: 0, lines: 0, widest: 0, line: 0 };
      this.chunk.node.className = "chunk";
      container.append(this.chunk.node);
    }
    this.chunk.node.append(piece instanceof Uint8Array ? text : piece);
    this.shown += text.length;
    this.measure(text);
    if (text.endsWith("\n") && (this.chunk.length >= CHUNK || this.chunk.lines >= CHUNK_LINES)) {
      this.closeChunk();
    }
  }

  // The first text of a matrix's printout: the sentence that leads it wraps as any other text,
  // and the rest, from the column heading on, goes into the matrix's box.
  startMatrix(bytes) {
    this.matrixLead = false;
    const text = decoder.decode(bytes);
    const end = text.indexOf("\n\n", 1);
    // The leading line is words, one line of them; a matrix's row begins with its number.
    const lines = text.slice(0, Math.max(end, 0)).split("\n").filter(Boolean);
    const lead = end > 0 && end < LEAD_MOST && lines.length === 1 && /^[A-Za-z]/.test(lines[0]) ? end + 2 : 0;
    if (lead > 0) {
      this.append(bytes.subarray(0, lead));
      if (this.chunk) {
        this.closeChunk();
      }
    }
    this.matrix = this.view.appendChild(matrixBox());
    if (lead < bytes.length) {
      this.append(bytes.subarray(lead));
    }
  }

  // Counts the open block's lines and its widest, in characters.
  measure(text) {
    const chunk = this.chunk;
    chunk.length += text.length;
    let start = 0;
    for (let end = text.indexOf("\n"); end !== -1; end = text.indexOf("\n", start)) {
      chunk.widest = Math.max(chunk.widest, chunk.line + end - start);
      chunk.line = 0;
      chunk.lines += 1;
      start = end + 1;
    }
    chunk.line += text.length - start;
  }

  // Closes the open block at a line end, telling the browser its size, which it then takes
  // for the block's while it is out of view and not laid out.
  closeChunk() {
    const { node, widest, lines } = this.chunk;
    node.style.containIntrinsicSize = `auto ${widest}ch auto ${lines}lh`;
    this.chunk = null;
  }

  // Of a printout longer than the console keeps, shows only what it keeps: the console's text
  // and the oldest pending pieces go unshown, and the rest from a line's start.
  skipDropped() {
    let excess = this.pendingLength - KEPT;
    if (excess <= 0) {
      return;
    }
    this.view.replaceChildren();
    this.shown = 0;
    this.chunk = null;
    // Whether what is kept starts inside a matrix's printout.
    let inMatrix = this.matrix !== null || this.matrixLead;
    this.matrixLead = false;
    this.matrix = null;
    let dropped = 0;
    while (excess > 0 && dropped < this.pending.length) {
      const first = this.pending[dropped];
      const length = lengthOf(first);
      if (first.matrix) {
        inMatrix = first.matrix === "start";
      }
      if (!(first instanceof Uint8Array) || length <= excess) {
        dropped += 1;
        this.pendingLength -= length;
        excess -= length;
      } else {
        const cut = first.indexOf(10, excess - 1) + 1 || excess;
        this.pending[dropped] = first.subarray(cut);
        this.pendingLength -= cut;
        excess = 0;
      }
    }
    this.pending.splice(0, dropped);
    if (inMatrix) {
      this.pending.unshift({ matrix: "start" });
    }
    this.noteDropped();
  }

  // Keeps at most about KEPT characters of text, dropping the oldest blocks whole, and of a
  // matrix longer than that its oldest blocks.
  dropOldest() {
    if (this.shown <= KEPT) {
      return;
    }
    while (this.shown > KEPT) {
      const first = this.view.firstElementChild;
      const inside = first.classList.contains("matrix") && first.childElementCount > 1;
      if (!inside && this.view.childElementCount < 2) {
        break;
      }
      const oldest = inside ? first.firstElementChild : first;
      if (oldest.classList.contains("chunk") || oldest.classList.contains("matrix")) {
        this.shown -= oldest.textContent.length;
      }
      oldest.remove();
    }
    this.noteDropped();
  }

  noteDropped() {
    this.dropped.textContent = DROPPED_NOTE;
    this.dropped.hidden = false;
  }
}
