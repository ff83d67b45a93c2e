// The console: what the program writes, exactly as a terminal shows it, with the typed lines
// in place after the prompts they answer, error messages and pictures. Text is shown a batch
// per animation frame, so that the page stays alive through a long printout, and only about
// the last million characters are kept.

const KEPT = 1_000_000; // characters of console text kept; older ones are dropped
const BATCH = 100_000; // characters shown per animation frame
const CHUNK = 32_768; // characters of a block of console text, laid out on its own

export class ConsoleView {
  // Shows into `view`; `dropped` is the note that older output was dropped; `idle()` is called
  // whenever everything pending has been shown.
  constructor(view, dropped, idle) {
    this.view = view;
    this.dropped = dropped;
    this.idle = idle;
    this.pending = []; // strings of output, and nodes: typed lines, errors, figures
    this.painting = false;
    this.shown = 0; // characters of text in the console
    this.chunk = null; // the block that takes the next text
    this.chunkLength = 0;
  }

  // Whether something is still to be shown.
  get busy() {
    return this.painting;
  }

  // Removes what the page showed before the program started.
  clear() {
    this.view.replaceChildren();
  }

  // Queues output text, or a node: a typed line, an error, or a figure (as { figure }).
  show(piece) {
    this.pending.push(piece);
    if (!this.painting) {
      this.painting = true;
      requestAnimationFrame(() => this.paint());
    }
  }

  // Shows what is pending, a batch per frame, and keeps the newest line in view.
  paint() {
    let budget = BATCH;
    while (this.pending.length > 0 && budget > 0) {
      budget -= this.append(this.pending.shift());
    }
    this.dropOldest();
    this.view.scrollTop = this.view.scrollHeight;
    this.view.scrollLeft = 0;
    if (this.pending.length > 0) {
      requestAnimationFrame(() => this.paint());
      return;
    }
    this.painting = false;
    this.idle();
  }

  // Shows one piece; returns about how much work it was, in characters.
  append(piece) {
    if (piece.figure) {
      this.view.append(piece.figure);
      return 1000;
    }
    const text = typeof piece === "string" ? piece : piece.textContent;
    if (this.chunk === null || this.chunk !== this.view.lastElementChild) {
      this.chunk = document.createElement("div");
      this.chunk.className = "chunk";
      this.chunkLength = 0;
      this.view.append(this.chunk);
    }
    this.chunk.append(piece);
    this.shown += text.length;
    this.chunkLength += text.length;
    // A block is closed at a line end once full, so that appending lays out only the newest.
    if (text.endsWith("\n") && this.chunkLength >= CHUNK) {
      this.chunk = null;
    }
    return text.length;
  }

  // Keeps at most about KEPT characters of text, dropping the oldest blocks whole.
  dropOldest() {
    if (this.shown <= KEPT) {
      return;
    }
    while (this.shown > KEPT && this.view.childElementCount > 1) {
      const first = this.view.firstElementChild;
      if (first.className === "chunk") {
        this.shown -= first.textContent.length;
      }
      first.remove();
    }
    const kept = KEPT.toLocaleString("en");
    this.dropped.textContent = `Older output was dropped: the console keeps about the last ${kept} characters.`;
    this.dropped.hidden = false;
  }
}
