// Watches the program's standard output for the matrices it prints, so that a picture can follow
// each one, and gathers what a screen reader should hear: every line outside a matrix, and for
// a matrix one sentence. The text itself passes through unchanged; only whole lines are looked at.

const HEADING = "The tree is given by the following matrix:";
const KEPT_UNHEARD = 10_000; // characters; what a screen reader would hear of a longer text

// Splits output into the pieces to show, in order: text, and after the empty line that closes a
// matrix, a tree to draw ({ vertices, edges }; edges only up to `largestParsed` vertices).
export class MatrixWatcher {
  constructor(largestParsed) {
    this.largestParsed = largestParsed;
    this.line = "";
    this.state = "idle";
    this.heard = "";
    this.lineHeard = 0; // characters of the line being written that were heard already
  }

  // The pieces of the next output text: strings, and trees where matrices end.
  take(text) {
    const pieces = [];
    let start = 0;
    for (let end = text.indexOf("\n"); end !== -1; end = text.indexOf("\n", start)) {
      this.line += text.slice(start, end);
      start = end + 1;
      const tree = this.see(this.line);
      this.line = "";
      this.lineHeard = 0;
      if (tree) {
        pieces.push(text.slice(0, start), tree);
        text = text.slice(start);
        start = 0;
      }
    }
    this.line += text.slice(start);
    if (text) {
      pieces.push(text);
    }
    return pieces;
  }

  // What a screen reader has not heard yet, the line being written included; then forgets it.
  // Only about the last `most` characters are kept, from a line's start where there is one.
  hear(most) {
    let said = this.heard + (this.state === "idle" ? this.line.slice(this.lineHeard) : "");
    this.heard = "";
    this.lineHeard = this.line.length;
    if (said.length > most) {
      const lineStart = said.indexOf("\n", said.length - most) + 1;
      said = said.slice(lineStart > 0 ? lineStart : said.length - most);
    }
    return said.trim();
  }

  // Takes one whole line; returns the tree when it closes a matrix.
  see(line) {
    switch (this.state) {
      case "heading":
        this.state = line === "" ? "columns" : "idle";
        return null;
      case "columns":
        this.vertices = line.trim().split(/ +/).length;
        this.edges = [];
        this.row = 0;
        this.state = "blank";
        return null;
      case "blank":
        this.state = "rows";
        return null;
      case "rows":
        this.takeRow(line);
        if (++this.row === this.vertices) {
          this.state = "closing";
        }
        return null;
      case "closing":
        this.state = "idle";
        this.heard += `Matrix of ${this.vertices} vertices printed.\n`;
        return { vertices: this.vertices, edges: this.edges };
      default:
        if (line === HEADING) {
          this.state = "heading";
        } else if (line.length > this.lineHeard || line === "") {
          this.heard += line.slice(this.lineHeard) + "\n";
          if (this.heard.length > 2 * KEPT_UNHEARD) {
            this.heard = this.heard.slice(-KEPT_UNHEARD);
          }
        }
        return null;
    }
  }

  takeRow(line) {
    if (this.vertices > this.largestParsed) {
      return;
    }
    const cells = line.trim().split(/ +/);
    const i = Number(cells[0]);
    for (let j = i + 1; j < cells.length; ++j) {
      if (cells[j] === "1") {
        this.edges.push([i, j]);
      }
    }
  }
}
