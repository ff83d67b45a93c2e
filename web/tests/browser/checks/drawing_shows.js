// How many vertices of the k-th drawing its box shows, at least in part: none is an empty box.
const figure = document.querySelectorAll("#console figure[data-figure]")[arguments[0]];
const box = figure.querySelector(".drawing-box");
const outer = box.getBoundingClientRect();
const [top, left] = [outer.top + box.clientTop, outer.left + box.clientLeft];
return [...figure.querySelectorAll(".drawing-box [data-vertex] circle")].filter((circle) => {
  const r = circle.getBoundingClientRect();
  return r.bottom > top && r.top < top + box.clientHeight && r.right > left && r.left < left + box.clientWidth;
}).length;
