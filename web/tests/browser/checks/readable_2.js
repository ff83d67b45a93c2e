const kbd = [...document.querySelectorAll("#console kbd")].pop();
let text = kbd.nextSibling;
while (!text.data.includes("Please")) text = text.nextSibling;
const range = document.createRange();
const start = text.data.indexOf("Please");
const at = (i) => { range.setStart(text, start + i); range.setEnd(text, start + i + 1);
                    return range.getBoundingClientRect().left; };
return [getComputedStyle(kbd).unicodeBidi, at(0) < at(5)];
