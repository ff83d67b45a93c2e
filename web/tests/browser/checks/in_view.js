// Whether the element the selector names lies wholly inside the window.
const box = document.querySelector(arguments[0]).getBoundingClientRect();
return box.top >= 0 && box.left >= 0 && box.bottom <= innerHeight && box.right <= innerWidth;
