// What a screen reader should hear of the program's output: every line outside a matrix, and
// for a matrix one sentence, so that a long printout is announced, not read out.

const decoder = new TextDecoder();
const KEPT_UNHEARD = 10_000; // characters; of a longer text only the end would be heard

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
        this.unheard = this.unheard.slice(-KEPT_UNHEARD);
      }
    }
  }

  // A matrix's printout begins; its text is not heard.
  matrixComing() {
    this.inMatrix = true;
  }

  // The printout of a matrix of n vertices has ended.
  matrixShown(n) {
    this.inMatrix = false;
    this.unheard += `Matrix of ${n} vertices printed.\n`;
  }

  // What a screen reader has not heard yet, about the last `most` characters of it from a
  // line's start where there is one; then forgets it.
  hear(most) {
    let said = this.unheard;
    this.unheard = "";
    if (said.length > most) {
      const lineStart = said.indexOf("\n", said.length - most) + 1;
      said = said.slice(lineStart > 0 ? lineStart : said.length - most);
    }
    return said.trim();
  }
}
