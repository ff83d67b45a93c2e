const figure = document.querySelector(`figure[data-figure="${arguments[0]}"]`);
const box = document.getElementById("console").getBoundingClientRect();
const r = figure.getBoundingClientRect();
return {step: figure.dataset.currentStep,
        inView: r.top < Math.min(box.bottom, innerHeight) && r.bottom > Math.max(box.top, 0)};
