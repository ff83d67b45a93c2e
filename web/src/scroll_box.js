// A box that scrolls on its own: a stop of the keyboard's tab order while it scrolls, so that it
// can be scrolled by keyboard too, and no stop while it does not.

// Makes `box` a stop of the keyboard's tab order, named `name`, while, and only while, what it
// holds is larger than it, so that it can then be scrolled by keyboard too.
export function scrollableByKeyboard(box, name) {
  new ResizeObserver(() => {
    const scrolls = box.scrollHeight > box.clientHeight + 1 || box.scrollWidth > box.clientWidth + 1;
    if (scrolls) {
      box.tabIndex = 0;
      box.setAttribute("role", "group");
      box.setAttribute("aria-label", name);
    } else {
      for (const attribute of ["tabindex", "role", "aria-label"]) {
        box.removeAttribute(attribute);
      }
    }
  }).observe(box);
}
