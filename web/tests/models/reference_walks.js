// Walks worked out slowly from a code, as a learner does on paper, for the tests of the practice:
// the same walks the coding core hands the page, for any code a test draws.

// The walk of `code` (entries from 1 to n), as the bridge gives it: at each step the vertices to
// choose from (those whose degree in what is left is 1), the lowest and the entry.
export function walkOfCode(code, coding) {
  const n = code.length + 2;
  const degree = Array(n + 1).fill(1);
  code.forEach((v) => ++degree[v]);
  const ones = () => degree.flatMap((d, v) => (v > 0 && d === 1 ? [v] : []));
  const steps = code.map((entry) => {
    const choices = ones();
    degree[choices[0]] = 0;
    --degree[entry];
    return { lowest: choices[0], entry, choices };
  });
  return { coding, steps, last: ones() };
}

// Codes drawn from a seed, the same at every run: `count` of them on n vertices.
export function codesOf(n, count, seed = 1) {
  let state = seed;
  const next = () => ((state = (state * 1103515245 + 12345) % 2 ** 31), 1 + (state % n));
  return Array.from({ length: count }, () => Array.from({ length: n - 2 }, next));
}

// The exercise of `code` in `kind`, as the bridge gives it.
export const exerciseOfCode = (code, kind, seed = 0) => ({ kind, n: code.length + 2, seed, code, walk: walkOfCode(code, kind) });
