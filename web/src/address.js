// The session in the page's address: everything typed so far, so that a reload, a bookmark or a
// shared link types it again. Lines are kept one per comma-separated field, each percent-encoded
// (which turns every comma within a line into %2C): "#typed=1,7,1,4," is 1, 7, 1 and 4, each
// with its line end. The last field is what was sent without a line end, usually nothing. A
// figure stepped through adds its number and its step: "&figure=1&step=4". Percent-encoding
// turns every "&" within a line into %26, so the first "&" ends the typed lines. The exercise
// of the practice comes last, "&practise=encoding,7,42", or alone, "#practise=encoding,7,42",
// where nothing was typed. A teacher's worksheet stands alone: "#worksheet=" and its kind,
// size, seed, count, whether with answers and whether mixed (1 or 0), and its title,
// percent-encoded: "#worksheet=decoding,12,7,10,1,0,Week%203".

const KEY = "#typed=";
const MARK = /^&figure=([1-9][0-9]{0,5})&step=([0-9]{1,3}|last)(&practise=.*)?$/;
const PRACTICE = /(?:^#|&)practise=([a-z-]{1,20}),([0-9]{1,2}),([0-9]{1,10})$/;
const LAST_SEED = 2 ** 32 - 1;

// The address fragment that holds `typed`, all the text sent so far, `at`, the figure and the
// step last shown ({ figure, step }), if any, and the practice's exercise ({ kind, n,
// seed }), if any.
export function fragmentOf(typed, at = null, practice = null) {
  const exercise = practice ? `practise=${practice.kind},${practice.n},${practice.seed}` : "";
  if (typed === "" && !at && practice) {
    return `#${exercise}`;
  }
  const mark = at ? `&figure=${at.figure}&step=${at.step}` : "";
  return KEY + typed.split("\n").map(encodeURIComponent).join(",") + mark + (practice ? `&${exercise}` : "");
}

// The practice's exercise a fragment names ({ kind, n, seed }), or null, where it names
// none or one out of range: one of `kinds`, from `fewest` to `most` vertices, and a seed of 32
// bits.
export function practiceIn(fragment, { kinds, fewest, most }) {
  const found = PRACTICE.exec(fragment);
  if (!found) {
    return null;
  }
  const [n, seed] = [Number(found[2]), Number(found[3])];
  return named({ kinds, fewest, most }, found[1], n, seed) ? { kind: found[1], n, seed } : null;
}

// Whether an address names an exercise that can be: one of `kinds`, from `fewest` to `most`
// vertices, and a seed of 32 bits.
const named = ({ kinds, fewest, most }, kind, n, seed) => kinds.includes(kind) && n >= fewest && n <= most && seed <= LAST_SEED;

const WORKSHEET = /^#worksheet=([a-z-]{1,20}),([0-9]{1,2}),([0-9]{1,10}),([0-9]{1,3}),([01]),([01]),(.*)$/;

// The address fragment of a worksheet ({ kind, n, seed, count, answers, mix, title }).
export function worksheetFragment({ kind, n, seed, count, answers, mix, title }) {
  return `#worksheet=${kind},${n},${seed},${count},${Number(answers)},${Number(mix)},${encodeURIComponent(title)}`;
}

// The worksheet a fragment names, or null, where it names none or one out of range: one of
// `kinds`, from `fewest` to `most` vertices, from 1 to `count` exercises, a seed of 32 bits, and
// a title of at most `title` characters.
export function worksheetIn(fragment, limits) {
  const found = WORKSHEET.exec(fragment);
  if (!found) {
    return null;
  }
  const [n, seed, count] = [Number(found[2]), Number(found[3]), Number(found[4])];
  let title;
  try {
    title = decodeURIComponent(found[7]);
  } catch {
    return null;
  }
  const fits = named(limits, found[1], n, seed) && count >= 1 && count <= limits.count && title.length <= limits.title;
  return fits ? { kind: found[1], n, seed, count, answers: found[5] === "1", mix: found[6] === "1", title } : null;
}

// The figure and the step a fragment marks ({ figure, step }, both strings), or null.
export function stepIn(fragment) {
  const at = fragment.indexOf("&");
  const found = fragment.startsWith(KEY) && at >= 0 ? MARK.exec(fragment.slice(at)) : null;
  return found ? { figure: found[1], step: found[2] } : null;
}

// The text a fragment holds, or "" for a fragment of another form. A field that is not
// well-formed percent-encoding stands for itself: whatever the address holds is only text.
export function typedIn(fragment) {
  if (!fragment.startsWith(KEY)) {
    return "";
  }
  const end = fragment.indexOf("&");
  return fragment
    .slice(KEY.length, end >= 0 ? end : undefined)
    .split(",")
    .map((field) => {
      try {
        return decodeURIComponent(field);
      } catch {
        return field;
      }
    })
    .join("\n");
}
