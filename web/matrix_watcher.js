// Watches the program's standard output for the matrices it prints, so that a picture can follow
// each one. The text itself passes through unchanged; only whole lines are looked at.

const HEADING = "The tree is given by the following matrix:";

// Splits output into the pieces to show, in order: text, and after the empty line that closes a
// matrix, a tree to draw ({ vertices, edges }; edges only up to `largestParsed` vertices).
export class MatrixWatcher {
  constructor(largestParsed) {
    this.largestParsed = largestParsed;
    this.line = "";
    this.state = "idle";
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
        return { vertices: this.vertices, edges: this.edges };
      default:
        if (line === HEADING) {
          this.state = "heading";
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
