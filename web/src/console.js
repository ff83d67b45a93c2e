// The console: what the program writes, exactly as a terminal would show it, each typed line in
// place after the prompt it answers, a picture after every tree, and the session kept in the
// page's address. The program is reached through the bridge alone.
import { ConsoleView } from "./console_view.js";
import { TypedInput, linesOf } from "./typed_input.js";
import { fragmentOf, stepIn, typedIn } from "./address.js";
import { Narration } from "./narration.js";
import { drawGraph, drawWalk, noDrawing } from "./drawing.js";
import { startProgram } from "./bridge.js";
import { Pauses } from "./pauses.js";

const HEARD = 1000; // characters a screen reader is sent at most at once

// Copies an address to the clipboard, saying so in `status`; where the clipboard cannot be had,
// shows the address in `field`, selected for copying by hand, which scrolls within itself
// however long the address.
export async function copyLink(href, status, field) {
  try {
    await navigator.clipboard.writeText(href);
    status.textContent = "Link copied.";
    field.hidden = true;
  } catch {
    status.textContent = "Copy this link:";
    field.value = href;
    field.hidden = false;
    field.focus();
    field.select();
  }
}

// Starts the console's program, `create` (createPruefer, or undefined where its script could not
// be loaded), in the page's console, typing again the session the address holds. `practice` is
// the practice's exercise the address holds, if any; the address keeps it after the session.
// Returns remember(practice), which keeps a new exercise in the address.
export function startConsole(create, practice) {
  const byId = (id) => document.getElementById(id);
  const view = byId("console");
  const line = byId("line");
  const input = new TypedInput();
  const narration = new Narration();
  const screen = new ConsoleView(view, byId("dropped"), settle);
  const pauses = new Pauses();

  let exitStatus = null;
  let awaiting = null; // the program's pending read, while it waits
  let sent = ""; // all text sent so far, as the address keeps it
  let errorsUnheard = "";
  let figuresDrawn = 0; // each drawn walk's number, from 1, as the address names it
  let stepShown = stepIn(location.hash); // the figure and the step last stepped to, if any
  let stepToRestore = stepShown; // the one the address named at opening, until it is shown
  let practiceShown = practice; // the practice's exercise, if any

  // Once everything is shown: says whether the program waits or has ended, and tells a screen
  // reader what it has not heard yet.
  function settle() {
    if (exitStatus !== null) {
      const ended = `The program has ended with exit status ${exitStatus}.`;
      view.dataset.state = "ended";
      view.dataset.status = String(exitStatus);
      byId("ended-text").textContent = ended;
      byId("ended").hidden = false;
      for (const id of ["line", "send", "end-input"]) {
        byId(id).disabled = true;
      }
      announce(ended);
      byId("start-again").focus();
    } else if (awaiting && input.isEmpty()) {
      view.dataset.state = "waiting";
      announce("");
      byId("controls").scrollIntoView({ block: "nearest" });
    }
    if (exitStatus !== null || (awaiting && input.isEmpty())) {
      restoreStep();
    }
  }

  // Once the session an address holds has been typed again, shows the figure it names at its
  // step, scrolled into view.
  function restoreStep() {
    const at = stepToRestore;
    stepToRestore = null;
    const figure = at && view.querySelector(`figure[data-figure="${at.figure}"]`);
    if (figure) {
      figure.dispatchEvent(new CustomEvent("walkgo", { detail: at.step }));
      figure.scrollIntoView({ block: "start" });
    }
  }

  // A figure stepped through: the address names it and its step, replacing itself, so that a step
  // makes no entry in the history.
  view.addEventListener("walkstep", (event) => {
    stepShown = { figure: event.target.dataset.figure, step: event.detail };
    rememberSoon();
  });

  function announce(closing) {
    const said = [narration.hear(HEARD), errorsUnheard.trim(), closing].filter(Boolean).join("\n");
    errorsUnheard = "";
    if (said) {
      byId("announcer").textContent = said;
    }
  }

  // Sends what the user typed: `text` with its line end, or without one as Ctrl-D sends it; an
  // empty text without a line end is the end of input, as at a terminal.
  function send(text, lineEnd) {
    sendAll([text + (lineEnd ? "\n" : "")]);
  }

  // Sends each of `pieces` in turn, an empty one being the end of input.
  function sendAll(pieces) {
    if (exitStatus !== null || pieces.length === 0) {
      return;
    }
    for (const piece of pieces) {
      input.push(piece);
      sent += piece;
    }
    rememberSoon();
    view.dataset.state = "running";
    answer();
  }

  // Puts what was sent in the address once the lines sent together are all sent: once for a
  // paste, not once for each of its lines, which a browser would throttle.
  let remembering = false;
  function rememberSoon() {
    if (!remembering) {
      remembering = true;
      queueMicrotask(() => {
        remembering = false;
        history.replaceState(null, "", fragmentOf(sent, stepShown, practiceShown));
      });
    }
  }

  // Hands the program's pending read the next typed line, if there is one, and shows that line
  // in the console after what the program wrote before it read.
  function answer() {
    if (!awaiting || input.isEmpty()) {
      return;
    }
    const { size, resolve } = awaiting;
    awaiting = null;
    const bytes = handOver(size);
    if (pauses.isDue()) {
      pauses.pause().then(() => resolve(bytes));
    } else {
      resolve(bytes);
    }
  }

  // The next typed line for a read of at most `size` bytes, shown as it is read.
  function handOver(size) {
    const bytes = input.take(size);
    if (bytes.length > 0) {
      screen.show({ typed: bytes });
    }
    return bytes;
  }

  const page = {
    // The next typed line at once, when one is waiting and the page needs no pause; else null,
    // and the program awaits readInput.
    takeInput(size) {
      return input.isEmpty() || pauses.isDue() ? null : handOver(size);
    },
    readInput(size) {
      return new Promise((resolve) => {
        awaiting = { size, resolve };
        answer();
        if (awaiting) {
          screen.flush();
        }
        if (awaiting && !screen.busy) {
          settle();
        }
      });
    },
    // Takes bytes of output; returns whether the program should pause for the page.
    writeOutput(bytes) {
      screen.show(bytes);
      narration.take(bytes);
      return pauses.isDue();
    },
    pause: () => pauses.pause(),
    matrixComing() {
      narration.matrixComing();
      screen.show({ matrix: "start" });
    },
    // After a matrix of n vertices, its picture: its walk drawn and tabulated ({ walk }), the
    // graph of edges that are no tree ({ edges }), or a line saying that it is too large to draw.
    matrixShown(n, largest, picture) {
      screen.show({ matrix: "end" });
      narration.matrixShown(n, n > largest || !picture ? null : picture.edges ? "graph" : "walk");
      if (n > largest) {
        screen.show({ figure: noDrawing(`This tree has ${n} vertices: too many to draw legibly (at most ${largest}).`) });
      } else if (picture?.edges) {
        screen.show({ figure: drawGraph(n, picture.edges) });
      } else if (picture) {
        const figure = drawWalk(n, picture.walk);
        figure.dataset.figure = String(++figuresDrawn);
        screen.show({ figure });
      }
    },
    exited(status) {
      exitStatus = status;
      screen.show(new Uint8Array(0));
    },
  };

  function showError(text) {
    const error = document.createElement("span");
    error.className = "stderr";
    error.textContent = text + "\n";
    screen.show(error);
    errorsUnheard += text + "\n";
  }

  // Sends every whole line of `text` in turn, as a terminal does with a paste; returns the rest.
  function sendLines(text) {
    const { lines, rest } = linesOf(text);
    sendAll(lines);
    return rest;
  }

  line.addEventListener("paste", (event) => {
    const text = event.clipboardData.getData("text");
    if (/\r?\n/.test(text)) {
      event.preventDefault();
      line.value = sendLines(line.value + text);
    }
  });

  byId("typing").addEventListener("submit", (event) => {
    event.preventDefault();
    send(line.value, true);
    line.value = "";
    line.focus();
  });

  // Ctrl-D at a terminal sends what is typed so far without a line end, or on an empty line ends
  // the input.
  line.addEventListener("keydown", (event) => {
    if (event.ctrlKey && (event.key === "d" || event.key === "D")) {
      event.preventDefault();
      send(line.value, false);
      line.value = "";
    }
  });

  // The button ends the input; a line typed but not sent is sent first, whole, so that nothing
  // typed is lost or glued to anything.
  byId("end-input").addEventListener("click", () => {
    if (line.value) {
      send(line.value, true);
      line.value = "";
    }
    send("", false);
    line.focus();
  });

  byId("copy-link").addEventListener("click", () => copyLink(location.href, byId("copied"), byId("link-field")));

  byId("start-again").addEventListener("click", () => {
    history.replaceState(null, "", location.pathname + location.search);
    location.reload();
  });

  // An address changed by hand starts its session afresh.
  window.addEventListener("hashchange", () => {
    if (location.hash !== fragmentOf(sent, stepShown, practiceShown)) {
      location.reload();
    }
  });

  // Gives the focus back to the input line after a click in the console, unless the click
  // selected text, which is then left to be copied.
  // A click inside a selection clears it only after the click's own handlers have run.
  view.addEventListener("click", (event) => {
    if (event.target.closest("figure")) {
      return; // a drawing's controls keep the focus
    }
    setTimeout(() => {
      if (document.getSelection().isCollapsed) {
        line.focus();
      }
    });
  });

  function start() {
    screen.clear();
    if (typeof create !== "function") {
      failed("the file pruefer.js could not be loaded");
      return;
    }
    startProgram(create, page, showError).catch((error) => failed(String(error)));
    // The session the address holds is typed again, a line at a time, with what was sent without
    // a line end last.
    const rest = sendLines(typedIn(location.hash));
    if (rest) {
      send(rest, false);
    }
  }

  // Says where the console would be that the program cannot run, and why.
  function failed(why) {
    const notice = document.createElement("p");
    notice.className = "notice stderr";
    notice.textContent = `The program could not be started in this browser: ${why}.`;
    view.replaceChildren(notice);
    view.dataset.state = "ended";
  }

  start();
  return (state) => {
    practiceShown = state;
    rememberSoon();
  };
}
