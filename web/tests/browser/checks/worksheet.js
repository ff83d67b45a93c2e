const items = [...document.querySelectorAll("#worksheet li[data-seed]")];
          return {seeds: items.map((item) => item.dataset.seed), tables: document.querySelectorAll("#worksheet table").length,
                  first: [...items[0].querySelectorAll("p")].map((p) => p.textContent).join(" ")};
