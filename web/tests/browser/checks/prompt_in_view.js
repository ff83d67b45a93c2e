const view = document.getElementById("console");
const range = document.createRange();
range.selectNodeContents(view);
const rects = [...range.getClientRects()].filter((r) => r.height > 0);
const last = rects[rects.length - 1];
const box = view.getBoundingClientRect();
const inWindow = (r) => r.top >= 0 && r.bottom <= innerHeight && r.left >= 0 && r.right <= innerWidth;
return inWindow(last) && last.top >= box.top && last.bottom <= box.bottom &&
  inWindow(document.getElementById("line").getBoundingClientRect()) &&
  inWindow(document.getElementById("send").getBoundingClientRect());
