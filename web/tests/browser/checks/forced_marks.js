const figure = [...document.querySelectorAll("#console figure[data-figure]")].pop();
const rgb = (text) => text.match(/[\d.]+/g).slice(0, 3).map(Number);
const luminance = ([r, g, b]) => [r, g, b].map((c) => {
  c /= 255; return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
}).reduce((sum, c, k) => sum + c * [0.2126, 0.7152, 0.0722][k], 0);
const contrast = (a, b) => {
  const [x, y] = [luminance(rgb(a)), luminance(rgb(b))].sort((p, q) => q - p);
  return (x + 0.05) / (y + 0.05);
};
const background = getComputedStyle(document.getElementById("console")).backgroundColor;
const row = getComputedStyle(figure.querySelector('tr[aria-current="step"]'));
return {row: row.outlineStyle === "none" ? 0 : parseFloat(row.outlineWidth),
        vertex: parseFloat(getComputedStyle(figure.querySelector('[data-state="lowest"] circle')).strokeWidth),
        edges: [...figure.querySelectorAll("[data-edge] line")].map((line) =>
          Math.round(contrast(getComputedStyle(line).stroke, background) * 10) / 10)};
