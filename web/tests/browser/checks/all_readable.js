const view = document.getElementById("console");
const box = view.getBoundingClientRect();
// A matrix scrolls sideways in a box of its own, checked below as any box is.
const range = document.createRange();
let right = 0;
const walker = document.createTreeWalker(view, NodeFilter.SHOW_TEXT);
for (let node = walker.nextNode(); node; node = walker.nextNode()) {
  if (node.parentElement.closest(".matrix, figure")) continue;
  range.selectNodeContents(node);
  for (const r of range.getClientRects()) right = Math.max(right, r.right);
}
const clipped = [...view.querySelectorAll("*")].filter((node) => {
  if (node.closest("svg")) return false; // a drawing is checked on its own
  const style = getComputedStyle(node);
  if (style.clipPath !== "none") return false; // hidden from sight on purpose, heard only
  // A box that scrolls shows all it holds; one that hides or contains its overflow may not.
  const clips = ["hidden", "clip"].includes(style.overflowX) ||
    ["hidden", "clip"].includes(style.overflowY) || style.contain !== "none" ||
    style.contentVisibility !== "visible";
  return clips && (node.scrollWidth > node.clientWidth + 1 || node.scrollHeight > node.clientHeight + 1);
});
return {reach: view.scrollWidth, needed: right - box.left + view.scrollLeft,
        clipped: clipped.length};
