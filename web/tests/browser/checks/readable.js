const view = document.getElementById("console");
const box = view.querySelector(".matrix");
view.scrollTop += box.getBoundingClientRect().top - view.getBoundingClientRect().top;
box.scrollLeft = box.scrollWidth;
