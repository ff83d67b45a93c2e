const view = document.getElementById("console");
const matrix = [...view.querySelectorAll(".chunk")]
  .find((chunk) => chunk.textContent.includes("following matrix"));
view.scrollTop += matrix.getBoundingClientRect().top - view.getBoundingClientRect().top;
const box = matrix.closest(".matrix");
box.scrollLeft = box.scrollWidth;
