const figure = [...document.querySelectorAll("#console figure")].pop();
      const view = document.getElementById("console");
      view.scrollTop += figure.getBoundingClientRect().top - view.getBoundingClientRect().top - 20;
