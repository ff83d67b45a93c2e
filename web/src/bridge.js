// The one module that touches the WebAssembly programs: it starts them, answers the calls the
// console's program makes on the page (Module.page), reads the practice's exercises out of the
// exercises module's memory, and decodes every payload into plain values. What the two sides
// agree on stands in contract.json, which the program's build reads too; CONTRIBUTING.md lists
// the calls.

import contract from "./contract.json" with { type: "json" };

// The sizes of the practice's exercises, in vertices: { fewest, most }.
export const EXERCISE_SIZES = contract.exercises;

// The kinds of the practice's exercises: the two walks, encoding first, then the kinds on what
// a code tells.
export const KINDS = contract.kinds;
export const WALKS = KINDS.slice(0, 2);
export const FACTS = KINDS.slice(2);

// What follows a matrix, by the number the program hands: "encoding" or "decoding", the walk of
// that coding, or "not-a-tree", the edges of a graph that is no tree.
const PICTURES = contract.pictures;

// A walk as the program hands it: for each step its lowest choice, its entry, the number of its
// choices and the choices; then the edge left over, lower end first.
export function walkOf(numbers, coding) {
  const steps = [];
  let at = 0;
  while (at < numbers.length - 2) {
    const [lowest, entry, count] = numbers.subarray(at, at + 3);
    steps.push({ lowest, entry, choices: [...numbers.subarray(at + 3, at + 3 + count)] });
    at += 3 + count;
  }
  return { coding, steps, last: [numbers[at], numbers[at + 1]] };
}

// A graph's edges as the program hands them: each edge's two ends, lower first.
export function edgesOf(numbers) {
  return Array.from({ length: numbers.length / 2 }, (_, k) => [numbers[2 * k], numbers[2 * k + 1]]);
}

// What follows a matrix, from the program's picture number and numbers: { walk }, { edges }, or
// null where there are no numbers, for a tree too large to draw.
export function pictureOf(picture, numbers) {
  if (!numbers) {
    return null;
  }
  const kind = PICTURES[picture];
  return kind === "not-a-tree" ? { edges: edgesOf(numbers) } : { walk: walkOf(numbers, kind) };
}

// Starts the console's program with `create` (createPruefer). `page` answers its calls with plain
// values: takeInput(size) and readInput(size) give typed bytes (the latter as a promise),
// writeOutput(bytes) says whether to pause, pause() resolves once the page has had its turn,
// matrixComing(), matrixShown(n, largest, picture) with picture as pictureOf gives it, and
// exited(status). `printErr(line)` takes each line of standard error.
export function startProgram(create, page, printErr) {
  const calls = {
    takeInput: (size) => page.takeInput(size),
    readInput: (size) => page.readInput(size),
    writeOutput: (bytes) => page.writeOutput(bytes),
    pause: () => page.pause(),
    matrixComing: () => page.matrixComing(),
    matrixShown: (n, largest, picture, numbers) => page.matrixShown(n, largest, pictureOf(picture, numbers)),
    exited: (status) => page.exited(status),
  };
  return create({ page: calls, printErr });
}

const ROOM = 512; // numbers an exercise of the most vertices takes, with room to spare

// What an exercise on what a code tells asks, from the numbers of its kind: the answer, and
// for a kind with two forms the question; the vertex asked about, the degrees or the list.
function factOf(kind, own) {
  switch (kind) {
    case "leaves":
      return { answer: [...own] };
    case "degree":
      return { vertex: own[0], answer: own[1] };
    case "count": {
      const answer = own[1] * 2 ** 32 + (own[2] >>> 0);
      return own[0] === 0 ? { question: "all", answer } : { question: "degrees", answer, degrees: [...own.subarray(3)] };
    }
    default: {
      const list = [...own.subarray(2)];
      return own[0] === 0 ? { question: "whether", list, answer: own[1] === 1 ? "yes" : "no" } : { question: "which", list, answer: own[1] };
    }
  }
}

// The exercises of a started exercises module: exercise(kind, n, seed) gives the exercise of
// `seed` on n vertices, { kind, n, seed, code, walk }: the code of its tree, and the walk of
// `kind` for a walk, or the decoding's; an exercise on what a code tells has its fact's too
// (factOf).
export function exercisesOf(core) {
  return {
    exercise(kind, n, seed) {
      const at = core._malloc(4 * ROOM);
      try {
        const count = core._practiceExercise(n, seed, contract.kinds.indexOf(kind), at, ROOM);
        const numbers = core.HEAP32.slice(at >> 2, (at >> 2) + count);
        const ownCount = numbers[n - 2];
        const own = numbers.subarray(n - 1, n - 1 + ownCount);
        const walk = walkOf(numbers.subarray(n - 1 + ownCount), WALKS.includes(kind) ? kind : "decoding");
        const exercise = { kind, n, seed, code: [...numbers.subarray(0, n - 2)], walk };
        return WALKS.includes(kind) ? exercise : { ...exercise, ...factOf(kind, own) };
      } finally {
        core._free(at);
      }
    },
  };
}
