// What the pilot hears: the gauges' click sounds and the marker test tone as the host's wav files, and the
// marker beacon tones while a marker is received and its audio is selected. One mute switch for all.
"use strict";

class PanelSound {
  constructor() {
    this.context = null;
    this.buffers = new Map();   // url -> Promise of an AudioBuffer
    this.muted = false;
    this.played = [];           // every sound the gauges asked for, newest last (the tests read it)
    this.marker = 0;            // the beacon whose tone sounds now, 0 for none
    this.markerNodes = null;
    this.markerTimer = null;
  }

  audio() {
    if (!this.context) {
      const Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return null;
      this.context = new Context();
    }
    // Browsers keep sound off until the person does something on the page.
    if (this.context.state === "suspended") this.context.resume().catch(() => {});
    return this.context;
  }

  setMuted(muted) {
    this.muted = muted;
    if (muted) this.stopMarker();
    else if (this.marker) this.startMarker(this.marker);
  }

  // A gauge's sound file, as the gauge names it ("sound\click.wav"): the page carries the three files.
  play(file) {
    const name = String(file).split(/[\\/]/).pop().toLowerCase();
    if (!/^(click|soft_click|omi_test)\.wav$/.test(name)) return;
    this.played.push(name);
    const url = "/sound/" + name;
    if (!this.buffers.has(url)) {
      this.buffers.set(url, fetch(url)
        .then((r) => r.arrayBuffer())
        .then((data) => {
          const ctx = this.audio();
          return ctx ? ctx.decodeAudioData(data) : null;
        })
        .catch(() => null));
    }
    if (this.muted) return;
    this.buffers.get(url).then((buffer) => {
      const ctx = this.audio();
      if (!buffer || !ctx || this.muted) return;
      const source = ctx.createBufferSource();
      source.buffer = buffer;
      source.connect(ctx.destination);
      source.start();
    });
  }

  // 1 outer: 400 Hz dashes, two a second; 2 middle: 1300 Hz dot and dash alternating; 3 inner: 3000 Hz
  // dots, six a second. Each keying is a list of (on, off) seconds repeated.
  static keying(marker) {
    switch (marker) {
      case 1: return { hz: 400, pattern: [[0.375, 0.125]] };
      case 2: return { hz: 1300, pattern: [[0.1, 0.1], [0.3, 0.132]] };
      case 3: return { hz: 3000, pattern: [[0.083, 0.084]] };
      default: return null;
    }
  }

  setMarker(marker) {
    if (marker === this.marker) return;
    this.stopMarker();
    this.marker = marker;
    if (marker && !this.muted) this.startMarker(marker);
  }

  startMarker(marker) {
    const keying = PanelSound.keying(marker);
    const ctx = this.audio();
    if (!keying || !ctx) return;
    const oscillator = ctx.createOscillator();
    const gain = ctx.createGain();
    oscillator.frequency.value = keying.hz;
    gain.gain.value = 0;
    oscillator.connect(gain).connect(ctx.destination);
    oscillator.start();
    this.markerNodes = { oscillator, gain };
    // Key the tone a little ahead of time, so that a busy page does not stutter it.
    let at = ctx.currentTime + 0.05;
    let step = 0;
    const schedule = () => {
      while (at < ctx.currentTime + 0.5) {
        const [on, off] = keying.pattern[step % keying.pattern.length];
        gain.gain.setValueAtTime(0.15, at);
        gain.gain.setValueAtTime(0, at + on);
        at += on + off;
        step += 1;
      }
    };
    schedule();
    this.markerTimer = setInterval(schedule, 150);
  }

  stopMarker() {
    if (this.markerTimer) clearInterval(this.markerTimer);
    this.markerTimer = null;
    if (this.markerNodes) {
      this.markerNodes.oscillator.stop();
      this.markerNodes.oscillator.disconnect();
      this.markerNodes = null;
    }
  }
}

window.PanelSound = PanelSound;
