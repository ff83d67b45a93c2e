// What a code tells, practised: a tree's leaves and a vertex's degree read off its code, trees
// counted, and whether a list is a tree's code. An exercise is { kind, n, seed, code, walk } with
// its kind's own facts (bridge.js): the answer, and the vertex, the degrees, the list or the
// question asked. Each answer is checked against the core's answer, and a wrong one is told the
// rule it broke without being told the answer. Touches no document.

import { FACTS } from "./bridge.js";
import { ANSWER, Work, edgeNames, edgesAsData, numbersIn } from "./practice.js";
import { listed } from "./words.js";

// Each kind, as the way on from one names it.
const KIND_NAMES = { leaves: "a code's leaves", degree: "a vertex's degree", count: "counting trees", "code-of": "a tree's code" };

// A count as a person reads it: 61,917,364,224.
export const countName = (count) => count.toLocaleString("en");

// How often each vertex occurs in a list: index v vertex v's.
function occurrences(list, n) {
  const times = Array(n + 1).fill(0);
  list.forEach((v) => (times[v] += 1));
  return times;
}

// "once", "2 times".
const timesName = (times) => (times === 1 ? "once" : `${times} times`);

const factorial = (m) => (m <= 1 ? 1 : m * factorial(m - 1));

// The leaves of the exercise's tree, lowest first.
const leavesOfTree = ({ n, code }) => Array.from({ length: n }, (_, k) => k + 1).filter((v) => !code.includes(v));

// The task of an exercise on what a code tells, in a sentence.
export function factTask(exercise) {
  const { kind, n, code, vertex, question, degrees, walk, list } = exercise;
  if (kind === "leaves") return `Which vertices are the leaves of the tree on ${n} vertices whose Pruefer code is ${code.join(" ")}?`;
  if (kind === "degree") return `How many neighbours has vertex ${vertex} in the tree on ${n} vertices whose Pruefer code is ${code.join(" ")}?`;
  if (kind === "count") {
    return question === "all"
      ? `How many labelled trees are there on ${n} vertices?`
      : `How many labelled trees on ${n} vertices have the degrees ${degrees.map((d, k) => `d${k + 1} = ${d}`).join(", ")}?`;
  }
  const tree = `the tree on ${n} vertices with the edges ${listed(edgeNames(walk))}`;
  return question === "whether"
    ? `Is ${list.join(" ")} the Pruefer code of ${tree}? Answer yes or no.`
    : `The list ${list.join(" ")} is the Pruefer code of ${tree} but for one entry. Which entry is wrong? Give its place, counting from 1.`;
}

// What the answer field asks.
export function factAsk({ kind, question, vertex }) {
  return {
    leaves: "The leaves, lowest first",
    degree: `The number of neighbours of ${vertex}`,
    count: "The number of trees",
    "code-of": question === "whether" ? "Yes or no" : "The place of the wrong entry",
  }[kind];
}

// What the answer to an exercise is, in words.
export function answerText(exercise) {
  const { kind, answer } = exercise;
  if (kind === "leaves") return listed(answer);
  if (kind === "count") return countName(answer);
  return String(answer);
}

// What an exercise is about, as its element's data attributes give it for a reader and a test.
export function factData({ kind, code, vertex, question, degrees, list, walk }) {
  return {
    leaves: () => ({ "data-code": code.join(" ") }),
    degree: () => ({ "data-code": code.join(" "), "data-vertex": vertex }),
    count: () => ({ "data-question": question, ...(degrees ? { "data-degrees": degrees.join(" ") } : {}) }),
    "code-of": () => ({ "data-question": question, "data-edges": edgesAsData(walk), "data-list": list.join(" ") }),
  }[kind]();
}

// The numbers that answer an exercise, as a question bank's blanks take them: the leaves lowest
// first, the degree, the count or the place; none for whether a list is the code.
export const factNumbers = ({ question, answer }) => (question === "whether" ? [] : [answer].flat());

// The answer explained, as a question bank's feedback gives it: the rule, then the answer.
export function factFeedback(exercise) {
  const answer = factHint(exercise, 3).slice(ANSWER.length + 2);
  return [factHint(exercise, 1), answer[0].toUpperCase() + answer.slice(1)];
}

// The typed answer as the exercise takes it, or { refused } saying what to type.
function readAnswer(exercise, text) {
  const { kind, n, question } = exercise;
  const words = text.trim().toLowerCase();
  if (kind === "leaves") {
    const given = numbersIn(text.replace(/\band\b/g, " "));
    if (!given) return { refused: `Type the leaves, each a number from 1 to ${n}, separated by blanks or commas.` };
    return new Set(given).size === given.length ? { given: [...given].sort((a, b) => a - b) } : { refused: "Type each leaf once." };
  }
  if (kind === "code-of" && question === "whether") {
    const yes = { yes: "yes", y: "yes", no: "no", n: "no" }[words];
    return yes ? { given: yes } : { refused: "Type yes or no." };
  }
  const digits = kind === "count" ? words.replace(/(?<=\d)[,\s'’](?=\d{3}\b)/g, "") : words;
  if (!/^[0-9]{1,15}$/.test(digits)) {
    return { refused: kind === "code-of" ? `Type the place of the wrong entry: a number from 1 to ${n - 2}.` : "Type one whole number." };
  }
  return { given: Number(digits) };
}

// The kind of mistake a wrong leaves answer makes, and its sentence.
function leavesMistake({ n, code, answer }, given) {
  const outside = given.find((v) => v < 1 || v > n);
  if (outside !== undefined) return { kind: "not-a-vertex", words: `the vertices are numbered 1 to ${n}.` };
  const inCode = given.find((v) => code.includes(v));
  if (inCode !== undefined) return { kind: "in-code", words: `${inCode} occurs in the code, so it has more than one neighbour: it is no leaf.` };
  const missing = answer.filter((v) => !given.includes(v)).length;
  return { kind: "missing", words: `${missing === 1 ? "a leaf is" : `${missing} leaves are`} missing: every vertex that does not occur in the code is a leaf.` };
}

function degreeMistake({ n, code, vertex }, given) {
  const times = occurrences(code, n)[vertex];
  if (given < 1 || given > n - 1) return { kind: "not-a-degree", words: `a vertex of a tree on ${n} vertices has from 1 to ${n - 1} neighbours.` };
  if (given === times) return { kind: "one-too-low", words: `that counts how often ${vertex} occurs in the code, but a vertex has one neighbour more than it occurs.` };
  if (given === 1) return { kind: "leaf", words: `only a leaf has one neighbour, and no leaf occurs in the code; ${vertex} does.` };
  if (given === 2 && times > 2) return { kind: "first-only", words: `that counts ${vertex}'s first occurrence only: count every time it occurs in the code.` };
  return { kind: "other", words: `a vertex has one neighbour more than it occurs in the code.` };
}

function countMistake({ n, question, degrees }, given) {
  if (question === "degrees") {
    const entries = factorial(n - 2);
    if (given === n ** (n - 2)) return { kind: "all-trees", words: `that counts every tree on ${n} vertices; count only the codes in which each vertex i occurs dᵢ − 1 times.` };
    if (given === entries / degrees.reduce((p, d) => p * factorial(d), 1)) return { kind: "degree-not-minus-one", words: "each vertex occurs in the code one time fewer than its degree: divide by (dᵢ − 1)!, not by dᵢ!." };
    if (given === entries) return { kind: "no-repeats", words: `${n - 2}! counts the orders of ${n - 2} different entries, but a code's equal entries change nothing when swapped: divide by (dᵢ − 1)! for each vertex.` };
    return { kind: "other", words: "a tree with these degrees has a code in which each vertex i occurs dᵢ − 1 times: count the orders of those entries." };
  }
  if (given === n ** n) return { kind: "n-to-the-n", words: `${n}^${n} counts lists of ${n} entries, but a code has ${n - 2}.` };
  if (given === (n - 2) ** n) return { kind: "swapped", words: `${n - 2}^${n} has the two the wrong way round: a code's entries are ${n - 2}, each one of ${n} vertices.` };
  if (given === n ** (n - 1)) return { kind: "n-minus-one", words: `a code has ${n - 2} entries, not ${n - 1}.` };
  if (given === factorial(n)) return { kind: "factorial", words: `${n}! counts the orders of the ${n} vertices, not the codes.` };
  return { kind: "other", words: `every list of ${n - 2} numbers from 1 to ${n} is the code of exactly one tree: count the lists.` };
}

function codeOfMistake({ n, code, list, question }, given) {
  if (question === "which") {
    if (given < 1 || given > n - 2) return { kind: "not-a-place", words: `the places are numbered 1 to ${n - 2}.` };
    return { kind: "right-entry", words: `entry ${given}, ${list[given - 1]}, is right: it is the neighbour of the lowest leaf at step ${given}.` };
  }
  if (given === "no") return { kind: "is-code", words: "work the tree's code entry by entry, each the neighbour of the lowest leaf then, and compare." };
  const leaf = list.find((v) => !code.includes(v));
  if (leaf !== undefined) return { kind: "leaf-in-list", words: `${leaf} is a leaf of the tree, and no leaf occurs in a tree's code.` };
  const [mine, theirs] = [occurrences(list, n), occurrences(code, n)];
  const v = mine.findIndex((times, k) => times !== theirs[k]);
  if (v > 0) return { kind: "degree-count", words: `${v} has ${theirs[v] + 1} neighbours, so the tree's code holds it ${theirs[v]} times, not ${mine[v]}.` };
  return { kind: "order", words: "the list has the code's entries in another order: each entry is the neighbour of the lowest leaf at its step." };
}

const MISTAKE_OF = { leaves: leavesMistake, degree: degreeMistake, count: countMistake, "code-of": codeOfMistake };

// Each kind of mistake in words, by kind of exercise.
export const FACT_MISTAKES = {
  leaves: { "not-a-vertex": "a number that is no vertex", "in-code": "a vertex of the code listed as a leaf", missing: "a leaf left out" },
  degree: {
    "not-a-degree": "a degree no vertex of the tree can have",
    "one-too-low": "the occurrences counted without the one more",
    leaf: "taken for a leaf",
    "first-only": "the first occurrence only counted",
    other: "a wrong count",
  },
  count: {
    "n-to-the-n": "n^n for n^(n−2)",
    swapped: "(n−2)^n for n^(n−2)",
    "n-minus-one": "n^(n−1) for n^(n−2)",
    factorial: "n! for n^(n−2)",
    "all-trees": "every tree counted, not only those of the degrees",
    "degree-not-minus-one": "dᵢ! for (dᵢ − 1)!",
    "no-repeats": "(n−2)! without dividing for equal entries",
    other: "a wrong count",
  },
  "code-of": {
    "not-a-place": "a place that is not in the list",
    "right-entry": "a right entry taken for the wrong one",
    "is-code": "the tree's code taken for another list",
    "leaf-in-list": "a list holding a leaf taken for the code",
    "degree-count": "a list holding a vertex too often or too rarely taken for the code",
    order: "a list in another order taken for the code",
  },
};

// The hint of a level (1 to 3): the rule, where to look in this exercise, the answer.
export function factHint(exercise, level) {
  const { kind, n, code, vertex, question, degrees, answer } = exercise;
  const said = {
    leaves: () => [
      "A vertex occurs in the code one time fewer than it has neighbours, so the leaves are exactly the vertices missing from the code.",
      `The code is ${code.join(" ")}: which of the vertices 1 to ${n} does it leave out?`,
      `${ANSWER}: the leaves are ${listed(answer)}.`,
    ],
    degree: () => [
      "A vertex occurs in the code one time fewer than it has neighbours.",
      `Count each time ${vertex} occurs in the code ${code.join(" ")}, then add one.`,
      `${ANSWER}: ${vertex} occurs ${timesName(answer - 1)} in the code, so it has ${answer} neighbours.`,
    ],
    count: () => (question === "all" ? countAllHints(n, answer) : countDegreesHints(n, degrees, answer)),
    "code-of": () => codeOfHints(exercise),
  }[kind]();
  return said[level - 1];
}

function countAllHints(n, answer) {
  return [
    `Every list of n − 2 numbers from 1 to n is the code of exactly one tree: count the lists.`,
    `Here a code has ${n - 2} entries, each one of ${n} vertices.`,
    `${ANSWER}: ${n}^${n - 2} = ${countName(answer)}.`,
  ];
}

function countDegreesHints(n, degrees, answer) {
  const repeated = degrees.map((d, k) => [k + 1, d - 1]).filter(([, times]) => times > 0);
  const where = listed(repeated.map(([v, times]) => `${v} ${timesName(times)}`));
  const divisors = repeated.filter(([, times]) => times > 1).map(([, times]) => `${times}!`);
  return [
    "A tree with degrees d₁ … dₙ has a code in which each vertex i occurs dᵢ − 1 times, in any order: there are (n − 2)! / ((d₁ − 1)! ⋯ (dₙ − 1)!) such codes.",
    `Here the code of ${n - 2} entries holds ${where}.`,
    `${ANSWER}: ${n - 2}!${divisors.length > 0 ? ` / (${divisors.join(" · ")})` : ""} = ${countName(answer)}.`,
  ];
}

function codeOfHints({ n, code, list, question, answer }) {
  const leaves = leavesOfTree({ n, code });
  const told = question === "whether" ? `so ${list.join(" ")} is ${answer === "yes" ? "" : "not "}its code.` : `so entry ${answer} is the wrong one.`;
  return [
    "A tree's code is written by removing its lowest leaf, over and over, and writing down that leaf's neighbour; no leaf occurs in it, and each vertex occurs one time fewer than it has neighbours.",
    `The tree's leaves are ${listed(leaves)}: the code's first entry is the neighbour of the lowest, ${leaves[0]}.`,
    `${ANSWER}: the tree's code is ${code.join(" ")}, ${told}`,
  ];
}

// An exercise on what a code tells, worked: one answer, checked, with hints as the walks have.
export class FactWork extends Work {
  constructor(exercise) {
    super(exercise, 1);
  }

  // Checks a typed answer: { result: "refused", verdict } where it is not of the form asked;
  // "wrong", with the kind of mistake and a hint a level higher; or "right".
  check(text) {
    const { refused, given } = readAnswer(this.exercise, text);
    if (refused) {
      return { result: "refused", verdict: refused };
    }
    const { answer } = this.exercise;
    if (String(given) !== String(answer)) {
      const { kind, words } = MISTAKE_OF[this.exercise.kind](this.exercise, given);
      this.missed = true;
      this.raiseHint();
      this.helpAt(0).kinds.push(kind);
      return { result: "wrong", mistake: kind, verdict: `Not ${Array.isArray(given) ? listed(given) : given}: ${words}` };
    }
    this.rightFirstTime += this.missed ? 0 : 1;
    this.level = 0;
    this.k = 1;
    return { result: "right", verdict: `Right: ${factHint(this.exercise, 3).slice(ANSWER.length + 2)}` };
  }

  hint() {
    return this.level > 0 ? factHint(this.exercise, this.level) : "";
  }

  mistakeWords() {
    return FACT_MISTAKES[this.exercise.kind];
  }

  // The kind offered once the largest size is done without help: the next one.
  otherKind() {
    const other = FACTS[(FACTS.indexOf(this.exercise.kind) + 1) % FACTS.length];
    return { kind: other, label: `Next: ${KIND_NAMES[other]}` };
  }

  // The drawing of a tree to judge a list against shows it plainly.
  vertexStates() {
    return new Map();
  }

  edgeState() {
    return "present";
  }
}
