// The console: what the program writes, exactly as a terminal would show it, each typed line in
// place after the prompt it answers, a picture after every tree, and the session kept in the
// page's address. The program is reached through the bridge alone.
import { ConsoleView } from "./console_view.js";
import { TypedInput, dialogueOfEdges, linesOf } from "./typed_input.js";
import { fragmentOf, stepIn, typedIn } from "./address.js";
import { Narration } from "./narration.js";
import { drawGraph, drawWalk, noDrawing } from "./drawing.js";
import { startProgram } from "./bridge.js";
import { Pauses } from "./pauses.js";

const HEARD = 1000; // characters a screen reader is sent at most at once
// How the menu's prompt ends, which a tree typed as a list answers.
const MENU_PROMPT_END = "(0 to quit): ";

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

const byId = (id) => document.getElementById(id);

// The console's session: what was sent and is still to be read, what the program's pending read
// awaits, and what the address keeps.
class Console {
  constructor(practice) {
    this.view = byId("console");
    this.input = new TypedInput();
    this.narration = new Narration();
    this.screen = new ConsoleView(this.view, byId("dropped"), () => this.settle());
    this.pauses = new Pauses();
    this.exitStatus = null;
    this.awaiting = null; // the program's pending read, while it waits
    this.sent = ""; // all text sent so far, as the address keeps it
    this.errorsUnheard = "";
    this.figuresDrawn = 0; // each drawn walk's number, from 1, as the address names it
    this.stepShown = stepIn(location.hash); // the figure and the step last stepped to, if any
    this.stepToRestore = this.stepShown; // the one the address named at opening, until it is shown
    this.practiceShown = practice; // the practice's exercise, if any
    this.remembering = false;
    this.lastOutput = new Uint8Array(0); // the last bytes the program wrote
  }

  // Whether the program waits at its menu, with nothing typed ahead.
  atMenu() {
    const tail = new TextDecoder().decode(this.lastOutput.subarray(-MENU_PROMPT_END.length));
    return this.exitStatus === null && this.awaiting !== null && this.input.isEmpty() && tail === MENU_PROMPT_END;
  }

  // The address of the session as it stands.
  fragment() {
    return fragmentOf(this.sent, this.stepShown, this.practiceShown);
  }

  // Once everything is shown: says whether the program waits or has ended, and tells a screen
  // reader what it has not heard yet.
  settle() {
    const waiting = this.awaiting && this.input.isEmpty();
    if (this.exitStatus !== null) {
      this.ended();
    } else if (waiting) {
      this.view.dataset.state = "waiting";
      this.announce("");
      byId("controls").scrollIntoView({ block: "nearest" });
    }
    if (this.exitStatus !== null || waiting) {
      this.restoreStep();
    }
  }

  // Says that the program has ended, and offers to start again.
  ended() {
    const ended = `The program has ended with exit status ${this.exitStatus}.`;
    this.view.dataset.state = "ended";
    this.view.dataset.status = String(this.exitStatus);
    byId("ended-text").textContent = ended;
    byId("ended").hidden = false;
    for (const id of ["line", "send", "end-input"]) {
      byId(id).disabled = true;
    }
    this.announce(ended);
    byId("start-again").focus();
  }

  // Once the session an address holds has been typed again, shows the figure it names at its
  // step, scrolled into view.
  restoreStep() {
    const at = this.stepToRestore;
    this.stepToRestore = null;
    const figure = at && this.view.querySelector(`figure[data-figure="${at.figure}"]`);
    if (figure) {
      figure.dispatchEvent(new CustomEvent("walkgo", { detail: at.step }));
      figure.scrollIntoView({ block: "start" });
    }
  }

  announce(closing) {
    const said = [this.narration.hear(HEARD), this.errorsUnheard.trim(), closing].filter(Boolean).join("\n");
    this.errorsUnheard = "";
    if (said) {
      byId("announcer").textContent = said;
    }
  }

  // Sends what the user typed: `text` with its line end, or without one as Ctrl-D sends it; an
  // empty text without a line end is the end of input, as at a terminal.
  send(text, lineEnd) {
    this.sendAll([text + (lineEnd ? "\n" : "")]);
  }

  // Sends each of `pieces` in turn, an empty one being the end of input.
  sendAll(pieces) {
    if (this.exitStatus !== null || pieces.length === 0) {
      return;
    }
    for (const piece of pieces) {
      this.input.push(piece);
      this.sent += piece;
    }
    this.rememberSoon();
    this.view.dataset.state = "running";
    this.answer();
  }

  // Sends every whole line of `text` in turn, as a terminal does with a paste; returns the rest.
  sendLines(text) {
    const { lines, rest } = linesOf(text);
    this.sendAll(lines);
    return rest;
  }

  // Puts what was sent in the address once the lines sent together are all sent: once for a
  // paste, not once for each of its lines, which a browser would throttle.
  rememberSoon() {
    if (!this.remembering) {
      this.remembering = true;
      queueMicrotask(() => {
        this.remembering = false;
        history.replaceState(null, "", this.fragment());
      });
    }
  }

  // Hands the program's pending read the next typed line, if there is one, and shows that line
  // in the console after what the program wrote before it read.
  answer() {
    if (!this.awaiting || this.input.isEmpty()) {
      return;
    }
    const { size, resolve } = this.awaiting;
    this.awaiting = null;
    const bytes = this.handOver(size);
    if (this.pauses.isDue()) {
      this.pauses.pause().then(() => resolve(bytes));
    } else {
      resolve(bytes);
    }
  }

  // The next typed line for a read of at most `size` bytes, shown as it is read.
  handOver(size) {
    const bytes = this.input.take(size);
    if (bytes.length > 0) {
      this.screen.show({ typed: bytes });
    }
    return bytes;
  }

  // The program's pending read: answered at once where a line is typed ahead, else once the
  // console has shown everything and the user sends one.
  read(size) {
    return new Promise((resolve) => {
      this.awaiting = { size, resolve };
      this.answer();
      if (this.awaiting) {
        this.screen.flush();
      }
      if (this.awaiting && !this.screen.busy) {
        this.settle();
      }
    });
  }

  // After a matrix of n vertices, its picture: its walk drawn and tabulated ({ walk }), the
  // graph of edges that are no tree ({ edges }), or a line saying that it is too large to draw.
  picture(n, largest, picture) {
    this.screen.show({ matrix: "end" });
    this.narration.matrixShown(n, n > largest || !picture ? null : picture.edges ? "graph" : "walk");
    if (n > largest) {
      this.screen.show({ figure: noDrawing(`This tree has ${n} vertices: too many to draw legibly (at most ${largest}).`) });
    } else if (picture?.edges) {
      this.screen.show({ figure: drawGraph(n, picture.edges) });
    } else if (picture) {
      const figure = drawWalk(n, picture.walk);
      figure.dataset.figure = String(++this.figuresDrawn);
      this.screen.show({ figure });
    }
  }

  // What the program's calls reach, as the bridge hands them on.
  calls() {
    return {
      // The next typed line at once, when one is waiting and the page needs no pause; else
      // null, and the program awaits readInput.
      takeInput: (size) => (this.input.isEmpty() || this.pauses.isDue() ? null : this.handOver(size)),
      readInput: (size) => this.read(size),
      // Takes bytes of output; returns whether the program should pause for the page.
      writeOutput: (bytes) => {
        this.lastOutput = bytes;
        this.screen.show(bytes);
        this.narration.take(bytes);
        return this.pauses.isDue();
      },
      pause: () => this.pauses.pause(),
      matrixComing: () => {
        this.narration.matrixComing();
        this.screen.show({ matrix: "start" });
      },
      matrixShown: (n, largest, picture) => this.picture(n, largest, picture),
      exited: (status) => {
        this.exitStatus = status;
        this.screen.show(new Uint8Array(0));
      },
    };
  }

  showError(text) {
    const error = document.createElement("span");
    error.className = "stderr";
    error.textContent = text + "\n";
    this.screen.show(error);
    this.errorsUnheard += text + "\n";
  }

  // Starts the program, and types again the session the address holds, a line at a time, with
  // what was sent without a line end last.
  start(create) {
    this.screen.clear();
    if (typeof create !== "function") {
      this.failed("the file pruefer.js could not be loaded");
      return;
    }
    startProgram(create, this.calls(), (text) => this.showError(text)).catch((error) => this.failed(String(error)));
    const rest = this.sendLines(typedIn(location.hash));
    if (rest) {
      this.send(rest, false);
    }
  }

  // Says where the console would be that the program cannot run, and why.
  failed(why) {
    const notice = document.createElement("p");
    notice.className = "notice stderr";
    notice.textContent = `The program could not be started in this browser: ${why}.`;
    this.view.replaceChildren(notice);
    this.view.dataset.state = "ended";
  }
}

// The input line: Enter sends the line, a paste of several lines sends each whole line, and
// Ctrl-D, as at a terminal, sends what is typed so far without a line end, or on an empty line
// ends the input.
function listenToTyping(session) {
  const line = byId("line");
  line.addEventListener("paste", (event) => {
    const text = event.clipboardData.getData("text");
    if (/\r?\n/.test(text)) {
      event.preventDefault();
      line.value = session.sendLines(line.value + text);
    }
  });
  byId("typing").addEventListener("submit", (event) => {
    event.preventDefault();
    session.send(line.value, true);
    line.value = "";
    line.focus();
  });
  line.addEventListener("keydown", (event) => {
    if (event.ctrlKey && (event.key === "d" || event.key === "D")) {
      event.preventDefault();
      session.send(line.value, false);
      line.value = "";
    }
  });
  // The button ends the input; a line typed but not sent is sent first, whole, so that nothing
  // typed is lost or glued to anything.
  byId("end-input").addEventListener("click", () => {
    if (line.value) {
      session.send(line.value, true);
      line.value = "";
    }
    session.send("", false);
    line.focus();
  });
}

// The field that takes a tree as a list of edges, and types the menu's dialogue for it, as a
// person would, once the program waits at its menu; a list it cannot type is refused in words.
function listenToEdgeList(session) {
  const field = byId("edge-list-field");
  const error = byId("edge-list-error");
  byId("edge-list").addEventListener("submit", (event) => {
    event.preventDefault();
    const { lines, error: why } = dialogueOfEdges(field.value);
    const refusal = why ?? (session.atMenu() ? null : "The program is not waiting at its menu: finish the request, or start again, first.");
    error.textContent = refusal ?? "";
    error.hidden = refusal === null;
    field.setAttribute("aria-invalid", String(refusal !== null));
    if (refusal === null) {
      session.sendAll(lines);
      field.value = "";
      byId("line").focus();
    }
  });
}

// The console itself, the address and the buttons around them.
function listenToConsole(session) {
  const { view } = session;
  // A figure stepped through: the address names it and its step, replacing itself, so that a
  // step makes no entry in the history.
  view.addEventListener("walkstep", (event) => {
    session.stepShown = { figure: event.target.dataset.figure, step: event.detail };
    session.rememberSoon();
  });
  byId("copy-link").addEventListener("click", () => copyLink(location.href, byId("copied"), byId("link-field")));
  byId("start-again").addEventListener("click", () => {
    history.replaceState(null, "", location.pathname + location.search);
    location.reload();
  });
  // An address changed by hand starts its session afresh.
  window.addEventListener("hashchange", () => {
    if (location.hash !== session.fragment()) {
      location.reload();
    }
  });
  // Gives the focus back to the input line after a click in the console, unless the click
  // selected text, which is then left to be copied. A click inside a selection clears it only
  // after the click's own handlers have run.
  view.addEventListener("click", (event) => {
    if (event.target.closest("figure")) {
      return; // a drawing's controls keep the focus
    }
    setTimeout(() => {
      if (document.getSelection().isCollapsed) {
        byId("line").focus();
      }
    });
  });
}

// Starts the console's program, `create` (createPruefer, or undefined where its script could not
// be loaded), in the page's console, typing again the session the address holds. `practice` is
// the practice's exercise the address holds, if any; the address keeps it after the session.
// Returns remember(practice), which keeps a new exercise in the address.
export function startConsole(create, practice) {
  const session = new Console(practice);
  listenToConsole(session);
  listenToTyping(session);
  listenToEdgeList(session);
  session.start(create);
  return (state) => {
    session.practiceShown = state;
    session.rememberSoon();
  };
}
