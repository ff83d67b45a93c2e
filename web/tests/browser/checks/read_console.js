const view = document.getElementById("console");
let out = "", err = "", seen = "";
const walk = (node) => {
  if (node.nodeType === Node.TEXT_NODE) { out += node.data; seen += node.data; }
  else if (node.classList.contains("stderr")) err += node.textContent;
  else if (node.localName === "kbd") seen += node.textContent;
  else if (node.localName !== "figure") node.childNodes.forEach(walk);
};
view.childNodes.forEach(walk);
return {out, err, seen, state: view.dataset.state, status: view.dataset.status ?? null};
