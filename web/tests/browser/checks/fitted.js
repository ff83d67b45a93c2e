return [...document.querySelectorAll("#console figure[data-figure]")].map((figure) => {
  const svg = figure.querySelector("svg"), box = figure.querySelector(".drawing-box");
  const width = svg.getBoundingClientRect().width;
  return {scale: width / Number(svg.getAttribute("width")), fits: width <= box.clientWidth + 1,
          tall: svg.getBoundingClientRect().height <= box.clientHeight + 1, step: figure.dataset.currentStep,
          whole: !figure.querySelector(".see-whole").hidden};
});
