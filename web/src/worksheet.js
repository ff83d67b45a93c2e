// A worksheet as a teacher makes it, { kind, n, seed, count, answers, mix, title }: the
// exercises it holds, the short number that matches it with its key, and the teacher's link that
// makes it again. Touches no document.

import { EXERCISE_SIZES, KINDS, WALKS } from "./bridge.js";
import { worksheetFragment, worksheetIn } from "./address.js";
import { seedAfter } from "./practice.js";

export const SHEET_MOST = 20; // exercises on a worksheet
export const TITLE_MOST = 80; // characters of its title
export const TITLE_USUAL = "Pruefer codes"; // the title of a sheet given none


// The letters of a sheet's number: none that is easily taken for another (no B and 8, no O and
// 0, no I and 1, no S and 5, no Z and 2).
const LETTERS = "ACDEFGHJKLMNPQRTUVWXY34679";

// The exercises of a sheet, each { kind, n, seed }, one seed after another: all of the sheet's
// kind and size, or mixed, the sizes growing evenly from the fewest to the sheet's, which the
// last one has, and the kinds taking turns from the sheet's own: the two walks for a walk's
// sheet, every kind for a sheet on what a code tells.
export function exercisesOfSheet({ kind, n, seed, count, mix }) {
  const turns = WALKS.includes(kind) ? WALKS : KINDS;
  const first = turns.indexOf(kind);
  const sizeOf = (k) => (count === 1 ? n : EXERCISE_SIZES.fewest + Math.round((k * (n - EXERCISE_SIZES.fewest)) / (count - 1)));
  return Array.from({ length: count }, (_, k) =>
    mix ? { kind: turns[(first + k) % turns.length], n: sizeOf(k), seed: seedAfter(seed, k) } : { kind, n, seed: seedAfter(seed, k) },
  );
}

// The sheet's number, four letters that the sheet and its key both print: drawn from everything
// that makes the sheet but whether it has a key, and telling nothing of its seed.
export function sheetNumber(sheet) {
  const text = worksheetFragment({ ...sheet, answers: false });
  let hash = 0x811c9dc5; // FNV-1a, over the link's characters
  for (let k = 0; k < text.length; ++k) {
    hash = Math.imul(hash ^ text.charCodeAt(k), 0x01000193) >>> 0;
  }
  let number = "";
  for (let k = 0; k < 4; ++k, hash = Math.floor(hash / LETTERS.length)) {
    number += LETTERS[hash % LETTERS.length];
  }
  return number;
}

// The worksheet a link's fragment names, or null.
export const sheetIn = (fragment) =>
  worksheetIn(fragment, { kinds: KINDS, ...EXERCISE_SIZES, count: SHEET_MOST, title: TITLE_MOST });

// The title a sheet prints, on one line: a title from a link may hold line ends, which would
// end a line of a question bank's file.
export const titleOf = (sheet) => sheet.title.replace(/\s+/g, " ").trim() || TITLE_USUAL;
