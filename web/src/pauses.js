// When the program gives the page the event loop back: at least every SLICE milliseconds while
// it reads a long paste or writes a long printout, so that the page keeps answering and painting.

const SLICE = 30; // milliseconds
const ASKINGS = 8; // the clock is read at every eighth asking only: reading it costs more than a read or write

export class Pauses {
  // `now()` reads the clock in milliseconds.
  constructor(now = () => performance.now()) {
    this.now = now;
    this.sliceStart = now();
    this.asked = 0;
    this.due = false;
    this.resumes = [];
    this.channel = new MessageChannel();
    this.channel.port1.onmessage = () => {
      this.sliceStart = this.now();
      this.due = false;
      this.resumes.shift()();
    };
  }

  // Whether the program should pause before its next read or write. Once due, a pause stays due
  // until it is made, whichever way the program comes to it.
  isDue() {
    if (!this.due) {
      this.asked = (this.asked + 1) % ASKINGS;
      this.due = this.asked === 0 && this.now() - this.sliceStart >= SLICE;
    }
    return this.due;
  }

  // Resolves in a task of its own, once the page has had its turn; the next slice starts then.
  pause() {
    return new Promise((resume) => {
      this.resumes.push(resume);
      this.channel.port2.postMessage(null);
    });
  }

  // Lets a process that holds no other task end (in Node): the channel no longer keeps it alive.
  close() {
    this.channel.port1.close();
  }
}
