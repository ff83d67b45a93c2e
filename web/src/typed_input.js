// What the user has sent and the program has not read yet, handed over a line at a time, as a
// terminal hands a program the lines typed ahead: a read returns at most one line.

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
