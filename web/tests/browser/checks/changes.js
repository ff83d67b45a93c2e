const table = [...document.querySelectorAll("#console figure table.walk")].pop();
return [...table.tBodies[0].rows].filter((row) => row.dataset.step !== "last")
  .map((row) => row.cells[row.cells.length - 1].textContent);
