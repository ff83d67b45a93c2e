// The legend of the last element the selector names: whether it is shown, and each mark's words.
const owner = [...document.querySelectorAll(arguments[0])].pop();
const legend = owner.querySelector("[data-legend]");
const box = legend?.getBoundingClientRect();
return {shown: Boolean(box && box.width > 0 && box.height > 0 && legend.checkVisibility()),
        words: legend ? [...legend.querySelectorAll("li")].map((item) => item.textContent) : []};
