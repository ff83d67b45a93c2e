const faults = [];
const overlap = (a, b) => a.x < b.x + b.width && b.x < a.x + a.width &&
  a.y < b.y + b.height && b.y < a.y + a.height;
const covers = (c, b) => Math.hypot(Math.max(b.x - c.x, 0, c.x - b.x - b.width),
  Math.max(b.y - c.y, 0, c.y - b.y - b.height)) < c.r;
const through = (c, e) => {
  const dx = e.x2 - e.x1, dy = e.y2 - e.y1;
  const t = Math.max(0, Math.min(1, ((c.x - e.x1) * dx + (c.y - e.y1) * dy) / (dx * dx + dy * dy)));
  return Math.hypot(c.x - e.x1 - t * dx, c.y - e.y1 - t * dy) < c.r;
};
// Each drawing is measured at its own size: a drawing made smaller to fit its box (before step
// 1, the whole tree) renders its text at another size, which its geometry does not change.
document.querySelectorAll("#console figure svg:not(.swatch)").forEach((svg, index) => {
  const shown = svg.style.width;
  svg.style.width = `${svg.getAttribute("width")}px`;
  const view = svg.viewBox.baseVal;
  const inside = (b) => b.x >= view.x && b.y >= view.y && b.x + b.width <= view.x + view.width &&
    b.y + b.height <= view.y + view.height;
  const name = `drawing ${index + 1} (${svg.querySelectorAll("[data-vertex]").length} vertices)`;
  const vertices = [...svg.querySelectorAll("[data-vertex]")].map((g) => {
    const c = g.querySelector("circle");
    return {v: g.dataset.vertex, x: c.cx.baseVal.value, y: c.cy.baseVal.value,
            r: c.r.baseVal.value, box: c.getBBox(), text: g.querySelector("text").getBBox()};
  });
  const edges = [...svg.querySelectorAll("[data-edge]")].map((g) => {
    const l = g.querySelector("line");
    return {name: g.dataset.edge, ends: g.dataset.edge.split("-"), x1: l.x1.baseVal.value,
            y1: l.y1.baseVal.value, x2: l.x2.baseVal.value, y2: l.y2.baseVal.value,
            label: g.querySelector("text")?.getBBox() ?? null,
            halo: g.querySelector(".halo")?.getBBox() ?? null};
  });
  const toLine = (p, e) => {
    const dx = e.x2 - e.x1, dy = e.y2 - e.y1;
    const t = Math.max(0, Math.min(1, ((p.x - e.x1) * dx + (p.y - e.y1) * dy) / (dx * dx + dy * dy)));
    return Math.hypot(p.x - e.x1 - t * dx, p.y - e.y1 - t * dy);
  };
  for (const v of vertices) {
    if (!inside(v.box) || !inside(v.text)) faults.push(`${name}: vertex ${v.v} outside`);
    if (!overlap(v.text, v.box) || v.text.width > v.box.width) faults.push(`${name}: vertex ${v.v}'s number outside its circle`);
  }
  edges.forEach((e, i) => {
    if (e.label && !inside(e.label)) faults.push(`${name}: label of ${e.name} outside`);
    if (e.label) {
      const h = e.halo, l = e.label;
      if (!h || h.x > l.x || h.y > l.y || h.x + h.width < l.x + l.width || h.y + h.height < l.y + l.height)
        faults.push(`${name}: label of ${e.name} not on a patch that hides the lines beneath`);
      const centre = {x: l.x + l.width / 2, y: l.y + l.height / 2};
      const own = toLine(centre, e);
      for (const other of edges) {
        if (other !== e && toLine(centre, other) < own + 2)
          faults.push(`${name}: label of ${e.name} not 2 px nearer its edge than ${other.name}`);
      }
    }
    for (const other of edges.slice(i + 1)) {
      if (e.label && other.label && overlap(e.label, other.label)) faults.push(`${name}: labels of ${e.name} and ${other.name} overlap`);
    }
    for (const v of vertices) {
      if (e.ends.includes(v.v)) continue;
      if (e.label && covers(v, e.label)) faults.push(`${name}: label of ${e.name} over vertex ${v.v}`);
      if (through(v, e)) faults.push(`${name}: edge ${e.name} through vertex ${v.v}`);
    }
  });
  svg.style.width = shown;
});
return faults;
