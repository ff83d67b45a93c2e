// The page around the program: a console that shows what the program writes exactly as a
// terminal would, the lines the user sends echoed in it, and a picture after every tree.
import createPruefer from "./pruefer.js";
import { MatrixWatcher } from "./matrix_watcher.js";
import { drawTree, noDrawing } from "./drawing.js";

const LARGEST_DRAWN = 60; // vertices; a larger drawing is no longer legible
const KEPT = 1_000_000; // characters of console text kept; older ones are dropped
const BATCH = 100_000; // characters shown per animation frame, so that the page stays alive
const CHUNK = 32_768; // characters of a block of console text, laid out on its own

const view = document.getElementById("console");
const line = document.getElementById("line");
const encoder = new TextEncoder();
const decoder = new TextDecoder();

// What is still to be shown, in order: strings of output, typed lines, errors and trees.
const pending = [];
let shown = 0; // characters in the console
let painting = false;
let program = null;
let exitStatus = null;

// Input the program has not read yet: byte arrays of typed lines, and null for the end.
const typed = [];
let awaiting = null; // the program's pending read, while it waits

function setState(state) {
  view.dataset.state = state;
}

function show(piece) {
  pending.push(piece);
  if (!painting) {
    painting = true;
    requestAnimationFrame(paint);
  }
}

// Shows what is pending, a batch per frame; then says whether the program waits or has ended.
function paint() {
  let budget = BATCH;
  while (pending.length > 0 && budget > 0) {
    const piece = pending.shift();
    budget -= append(piece);
  }
  dropOldest();
  view.scrollTop = view.scrollHeight;
  if (pending.length > 0) {
    requestAnimationFrame(paint);
    return;
  }
  painting = false;
  settle();
}

// The block that takes the next text; a new one once the last is full and ends a line, so
// that appending lays out only the newest block.
let chunk = null;
let chunkLength = 0;

function openChunk() {
  if (chunk === null || chunk !== view.lastElementChild) {
    chunk = document.createElement("div");
    chunk.className = "chunk";
    chunkLength = 0;
    view.append(chunk);
  }
  return chunk;
}

// Shows one piece: output text, a typed line or an error (a node), or a tree to draw; returns
// about how much work it was, in characters.
function append(piece) {
  if (typeof piece !== "string" && !piece.node) {
    view.append(pictureOf(piece));
    return 1000;
  }
  const text = typeof piece === "string" ? piece : piece.node.textContent;
  openChunk().append(piece.node ?? piece);
  shown += text.length;
  chunkLength += text.length;
  if (text.endsWith("\n") && chunkLength >= CHUNK) {
    chunk = null;
  }
  return text.length;
}

// Keeps at most about KEPT characters of text, dropping the oldest blocks whole.
function dropOldest() {
  if (shown <= KEPT) {
    return;
  }
  while (shown > KEPT && view.childElementCount > 1) {
    const first = view.firstElementChild;
    if (first.className === "chunk") {
      shown -= first.textContent.length;
    }
    first.remove();
  }
  const note = document.getElementById("dropped");
  note.textContent = `Older output was dropped: the console keeps about the last ${KEPT.toLocaleString("en")} characters.`;
  note.hidden = false;
}

// The figure after a matrix: a drawing of the tree, or a line saying why there is none.
function pictureOf(tree) {
  if (tree.vertices > LARGEST_DRAWN) {
    return noDrawing(`This tree has ${tree.vertices} vertices: too many to draw legibly (at most ${LARGEST_DRAWN}).`);
  }
  const order = removalOrder(tree.vertices, tree.edges);
  return order ? drawTree(tree.vertices, order) : document.createDocumentFragment();
}

// The order in which the program's own encoding removes the edges, or null for no tree.
function removalOrder(vertices, edges) {
  if (edges.length !== vertices - 1) {
    return null;
  }
  const bytes = 8 * edges.length;
  const ends = program._malloc(bytes);
  const order = program._malloc(bytes);
  program.HEAP32.set(edges.flat(), ends / 4);
  const isTree = program._removalOrder(vertices, ends, order);
  const pairs = [];
  for (let k = 0; isTree && k < edges.length; ++k) {
    pairs.push([program.HEAP32[order / 4 + 2 * k], program.HEAP32[order / 4 + 2 * k + 1]]);
  }
  program._free(ends);
  program._free(order);
  return isTree ? pairs : null;
}

function settle() {
  if (exitStatus !== null) {
    setState("ended");
    view.dataset.status = String(exitStatus);
    document.getElementById("ended-text").textContent = `The program has ended with exit status ${exitStatus}.`;
    document.getElementById("ended").hidden = false;
    line.disabled = true;
    document.getElementById("end-input").disabled = true;
    document.getElementById("start-again").focus();
  } else if (awaiting && typed.length === 0) {
    setState("waiting");
  }
}

// Sends what the user typed: `text` with its line end, or on Ctrl-D the text alone, which on an
// empty line is the end of input, as at a terminal.
function send(text, lineEnd) {
  if (exitStatus !== null) {
    return;
  }
  const sent = text + (lineEnd ? "\n" : "");
  if (sent) {
    const kbd = document.createElement("kbd");
    kbd.textContent = sent;
    show({ node: kbd });
    typed.push(encoder.encode(sent));
  } else {
    typed.push(null); // Ctrl-D on an empty line: the end of input
  }
  setState("running");
  answer();
}

// Hands the program's pending read what has been typed, if anything has: as many bytes as it
// asked for at most, and none at the end of input.
function answer() {
  if (!awaiting || typed.length === 0) {
    return;
  }
  const { size, resolve } = awaiting;
  awaiting = null;
  if (typed[0] === null) {
    typed.shift();
    resolve(new Uint8Array(0));
    return;
  }
  const bytes = new Uint8Array(Math.min(size, typed.reduce((sum, each) => sum + (each?.length ?? 0), 0)));
  let filled = 0;
  while (filled < bytes.length && typed[0] !== null) {
    const first = typed.shift();
    const part = first.subarray(0, bytes.length - filled);
    bytes.set(part, filled);
    filled += part.length;
    if (part.length < first.length) {
      typed.unshift(first.subarray(part.length));
    }
  }
  resolve(bytes.subarray(0, filled));
}

const page = {
  readInput(size) {
    return new Promise((resolve) => {
      awaiting = { size, resolve };
      answer();
      if (awaiting && !painting) {
        settle();
      }
    });
  },
  writeOutput(bytes) {
    const text = decoder.decode(bytes, { stream: true });
    for (const piece of watcher.take(text)) {
      show(piece);
    }
  },
  exited(status) {
    exitStatus = status;
    show("");
  },
};

const watcher = new MatrixWatcher(LARGEST_DRAWN);

document.getElementById("typing").addEventListener("submit", (event) => {
  event.preventDefault();
  send(line.value, true);
  line.value = "";
});

line.addEventListener("keydown", (event) => {
  if (event.ctrlKey && (event.key === "d" || event.key === "D")) {
    event.preventDefault();
    endInput();
  }
});

// Ctrl-D at a terminal sends what is typed so far without a line end, or, on an empty line,
// ends the input.
function endInput() {
  send(line.value, false);
  line.value = "";
  line.focus();
}

document.getElementById("end-input").addEventListener("click", endInput);

// A paste of several lines sends each whole line, as a terminal does; the rest stays in the line.
line.addEventListener("paste", (event) => {
  const text = event.clipboardData.getData("text");
  if (!/\r?\n/.test(text)) {
    return;
  }
  event.preventDefault();
  const lines = (line.value + text).split(/\r?\n/);
  line.value = lines.pop();
  for (const each of lines) {
    send(each, true);
  }
});

document.getElementById("start-again").addEventListener("click", () => location.reload());

// Keeps the focus in the input line, unless the user has moved it to a button.
view.addEventListener("click", () => line.focus());

createPruefer({
  page,
  printErr: (text) => {
    const error = document.createElement("span");
    error.className = "stderr";
    error.textContent = text + "\n";
    show({ node: error });
  },
}).then((instance) => {
  program = instance;
});
