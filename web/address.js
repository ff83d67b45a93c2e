// The session in the page's address: everything typed so far, so that a reload, a bookmark or a
// shared link types it again. Lines are kept one per comma-separated field, each percent-encoded
// (which turns every comma within a line into %2C): "#typed=1,7,1,4," is 1, 7, 1 and 4, each
// with its line end. The last field is what was sent without a line end, usually nothing.

const KEY = "#typed=";

// The address fragment that holds `typed`, all the text sent so far.
export function fragmentOf(typed) {
  return KEY + typed.split("\n").map(encodeURIComponent).join(",");
}

// The text a fragment holds, or "" for a fragment of another form. A field that is not
// well-formed percent-encoding stands for itself: whatever the address holds is only text.
export function typedIn(fragment) {
  if (!fragment.startsWith(KEY)) {
    return "";
  }
  return fragment
    .slice(KEY.length)
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
