const table = [...document.querySelectorAll("#console figure table.walk")].pop();
return [table.dataset.walk, [...table.tBodies[0].rows].map((row) => {
  const data = {...row.dataset};
  return data;
})];
