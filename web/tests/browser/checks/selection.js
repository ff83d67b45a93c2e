const view = arguments[0];
const walker = document.createTreeWalker(view, NodeFilter.SHOW_TEXT);
for (let node = walker.nextNode(); node; node = walker.nextNode()) {
  const at = node.data.indexOf("Find the Pruefer Code");
  if (at === -1) continue;
  const range = document.createRange();
  range.setStart(node, at + 5); range.setEnd(node, at + 6);
  const r = range.getBoundingClientRect(), box = view.getBoundingClientRect();
  return [r.left + r.width / 2 - box.left, r.top + r.height / 2 - box.top];
}
