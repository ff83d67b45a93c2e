const view = document.getElementById("console");
const lineHeight = parseFloat(getComputedStyle(view).lineHeight);
const outside = [...view.querySelectorAll(":scope > .chunk")];
const matrices = [...view.querySelectorAll(".matrix")].map((box) => {
  const rows = [];
  const walker = document.createTreeWalker(box, NodeFilter.SHOW_TEXT);
  const range = document.createRange();
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    let start = 0;
    for (const line of node.data.split("\n")) {
      if (line.trim()) {
        range.setStart(node, start); range.setEnd(node, start + line.length);
        rows.push(range.getBoundingClientRect().height);
      }
      start += line.length + 1;
    }
  }
  return {whole: rows.every((h) => h < 1.5 * lineHeight), scrolls: box.scrollWidth > box.clientWidth};
});
const sentence = [...view.querySelectorAll(".chunk")].filter((chunk) => chunk.textContent.includes("The tree is given by the following matrix:"));
return {page: document.documentElement.scrollWidth > innerWidth,
        sentences: sentence.map((chunk) => !chunk.closest(".matrix") && chunk.scrollWidth <= chunk.clientWidth + 1),
        console: view.scrollWidth > view.clientWidth + 1,
        unwrapped: outside.filter((chunk) => chunk.scrollWidth > chunk.clientWidth + 1).length,
        matrices};
