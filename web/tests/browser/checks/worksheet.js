// The worksheet shown: its number, title and exercises as printed, its key, its files, and
// whether anything on the student's sheet names a seed or a link.
const sheet = document.querySelector("[data-worksheet]");
const key = document.querySelector("[data-answer-key]");
const link = (kind) => document.querySelector(`[data-download=${kind}]`);
return {sheet: sheet?.dataset.sheet ?? null, title: sheet?.querySelector("h3").textContent,
        markup: sheet?.querySelector("h3 *") !== null,
        exercises: [...(sheet?.querySelectorAll("[data-sheet-exercise]") ?? [])].map((item) =>
          ({...item.dataset})),
        key: key?.dataset.sheet ?? null, keyText: key?.textContent ?? "",
        seeded: sheet !== null && /seed|practise=|#worksheet=/.test(sheet.outerHTML),
        moodle: [link("moodle").href, link("moodle").download], gift: [link("gift").href, link("gift").download]};
