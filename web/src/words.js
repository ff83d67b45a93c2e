// How the page names vertices and edges, in its sentences and in its data.

// "1", "1 and 2", "1, 2 and 3".
export function listed(vertices) {
  return vertices.length < 2 ? String(vertices[0]) : `${vertices.slice(0, -1).join(", ")} and ${vertices.at(-1)}`;
}

// The edge between a and b, lower end first: "1–4" as a person reads it, or with `dash` "-" as
// the drawing's data names it.
export const edgeName = (a, b, dash = "–") => `${Math.min(a, b)}${dash}${Math.max(a, b)}`;
