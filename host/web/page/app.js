// The workbench page: the panel's windows with every gauge at its place, live from the host's event stream;
// clicks on hotspots sent to the gauges; the flight controls, the moving map, the token table and the log.
// Nothing here knows one gauge from another: the panel description says what there is.
"use strict";

const sound = new PanelSound();
const map = new MovingMap(document.getElementById("map"), (nm) => jump(nm));
// Pictures as many device pixels per CSS pixel as the screen has, so that they stay sharp.
const SCALE = Math.min(4, Math.max(1, Math.ceil(window.devicePixelRatio || 1)));
const LOG_ROWS = 300;

const page = {
  gauges: new Map(),    // name -> {img, shown, loading, wanted}
  state: null,
  flightEpoch: null,
  soundSeq: 0,
  logSeq: 0,
  tokenRows: new Map(), // token -> row
  stream: null,
  states: 0,
};
window.workbench = { sound, page };

async function request(method, path, body) {
  const options = { method, headers: {} };
  if (body !== undefined) {
    options.headers["Content-Type"] = "application/json";
    options.body = JSON.stringify(body);
  }
  const response = await fetch(path, options);
  const data = await response.json().catch(() => ({}));
  if (!response.ok) throw new Error(data.error || `${method} ${path}: ${response.status}`);
  return data;
}

function showError(error) {
  document.getElementById("error").textContent = error ? String(error.message || error) : "";
}

async function act(path, body) {
  try {
    showError(null);
    return await request("POST", path, body);
  } catch (e) {
    showError(e);
    return null;
  }
}

// ---- The panel ---------------------------------------------------------------------------------------

function buildPanel(description) {
  const root = document.getElementById("panel");
  root.textContent = "";
  for (const w of description.windows) {
    const win = document.createElement("section");
    win.className = "window";
    win.dataset.window = w.index;
    const title = document.createElement("h2");
    title.textContent = w.title;
    const body = document.createElement("div");
    body.className = "window-body";
    body.style.width = `${w.width}px`;
    body.style.height = `${w.height}px`;
    win.append(title, body);
    for (const g of w.gauges) body.appendChild(buildGauge(g));
    root.appendChild(win);
  }
}

function buildGauge(g) {
  const box = document.createElement("div");
  box.className = "gauge";
  box.dataset.gauge = g.name;
  Object.assign(box.style, { left: `${g.x}px`, top: `${g.y}px`, width: `${g.width}px`, height: `${g.height}px` });
  const img = document.createElement("img");
  img.alt = g.name;
  img.draggable = false;
  box.appendChild(img);
  const sx = g.width / g.face_width, sy = g.height / g.face_height;
  // The first box in table order takes a click where boxes overlap: it lies on top.
  g.hotspots.forEach((h, i) => {
    const spot = document.createElement("div");
    spot.className = `hotspot ${h.cursor}`;
    spot.dataset.hotspot = h.number;
    spot.style.zIndex = String(g.hotspots.length - i);
    Object.assign(spot.style, { left: `${h.x * sx}px`, top: `${h.y * sy}px`,
                                width: `${h.width * sx}px`, height: `${h.height * sy}px` });
    box.appendChild(spot);
  });
  box.addEventListener("click", (event) => {
    const rect = box.getBoundingClientRect();
    const x = (event.clientX - rect.left) * g.face_width / rect.width;
    const y = (event.clientY - rect.top) * g.face_height / rect.height;
    // Outside every box a click does nothing, as in the simulator.
    const inside = g.hotspots.some((h) => x >= h.x && x < h.x + h.width && y >= h.y && y < h.y + h.height);
    if (inside) act("/api/click", { gauge: g.name, x, y });
  });
  const entry = { img, shown: 0, loading: false, wanted: 0, name: g.name };
  img.addEventListener("load", () => pictureDone(entry));
  img.addEventListener("error", () => pictureDone(entry));
  page.gauges.set(g.name, entry);
  return box;
}

function loadPicture(entry) {
  entry.loading = true;
  entry.requested = entry.wanted;
  entry.img.src = `/api/gauges/${encodeURIComponent(entry.name)}/picture.png?scale=${SCALE}&v=${entry.wanted}`;
}

function pictureDone(entry) {
  entry.loading = false;
  entry.shown = entry.requested;
  entry.img.dataset.version = entry.shown;
  // A newer picture was published while this one loaded: fetch only the newest.
  if (entry.wanted !== entry.shown) loadPicture(entry);
}

function updatePictures(versions) {
  for (const [name, version] of Object.entries(versions)) {
    const entry = page.gauges.get(name);
    if (!entry) continue;
    entry.wanted = version;
    if (!entry.loading && entry.shown !== version) loadPicture(entry);
  }
}

// ---- Live state --------------------------------------------------------------------------------------

function connect() {
  if (page.stream) page.stream.close();
  const stream = new EventSource(`/api/stream?sounds_after=${page.soundSeq}&log_after=${page.logSeq}`);
  page.stream = stream;
  stream.onmessage = (event) => apply(JSON.parse(event.data));
  stream.onerror = () => {
    setStatus("reconnecting…", false);
    stream.close();
    setTimeout(connect, 1000);
  };
}

function setStatus(text, live) {
  const status = document.getElementById("status");
  status.textContent = text;
  status.classList.toggle("live", live);
}

function apply(state) {
  page.state = state;
  page.states += 1;
  setStatus(`live · frame ${state.frame} · UTC ${state.utc} · ${state.paused ? "paused" : state.speed + "x"}`, true);
  updatePictures(state.gauges);
  for (const s of state.sounds) sound.play(s.file);
  page.soundSeq = state.sound_seq;
  sound.setMarker(state.power && state.marker_audio ? state.marker : 0);
  if (state.flight_epoch !== page.flightEpoch) {
    page.flightEpoch = state.flight_epoch;
    loadFlight();
  }
  map.update(state.aircraft);
  updateControls(state);
  updateTokens(state.tokens);
  appendLog(state.log);
  page.logSeq = state.log_seq;
}

function updateControls(state) {
  const power = document.getElementById("power");
  power.textContent = `Avionics power: ${state.power ? "on" : "off"}`;
  power.classList.toggle("on", state.power);
  power.classList.toggle("off", !state.power);
  const pause = document.getElementById("pause");
  pause.textContent = state.paused ? "Resume" : "Pause";
  pause.classList.toggle("active", state.paused);
  for (const b of document.querySelectorAll("[data-speed]"))
    b.classList.toggle("active", Number(b.dataset.speed) === state.speed);
  const a = state.aircraft;
  document.getElementById("readout").textContent = a
    ? `${state.flight}: ${Math.round(a.altitude_ft)} ft · heading ${Math.round(a.heading_deg)}° · ` +
      `track ${Math.round(a.track_deg)}° · ${Math.round(a.ground_speed_kt)} kt · ` +
      `marker ${["none", "outer", "middle", "inner"][state.marker] || state.marker}`
    : "no flight";
}

// ---- Flight, map and controls ------------------------------------------------------------------------

async function loadFlight() {
  const flight = await request("GET", "/api/flight");
  map.setFlight(flight);
  const slider = document.getElementById("jump-nm");
  slider.max = Math.max(0, Math.ceil(flight.length_nm || 0));
  const list = document.getElementById("waypoints");
  list.textContent = "";
  for (const w of flight.route) {
    const b = document.createElement("button");
    b.type = "button";
    b.textContent = w.ident;
    b.title = `jump to ${w.ident}, ${w.distance_nm.toFixed(1)} NM along the route`;
    b.addEventListener("click", () => jump(w.distance_nm));
    list.appendChild(b);
  }
  const flights = await request("GET", "/api/flights");
  const select = document.getElementById("flight-choice");
  select.textContent = "";
  for (const name of flights.flights) {
    const o = document.createElement("option");
    o.value = o.textContent = name;
    o.selected = name === flights.current;
    select.appendChild(o);
  }
}

function jump(nm) {
  act("/api/jump", { nm });
}

function wireControls() {
  document.getElementById("power").addEventListener("click", () =>
    act("/api/power", { on: !(page.state && page.state.power) }));
  document.getElementById("power-failure").addEventListener("click", () =>
    act("/api/power-failure", { seconds: Number(document.getElementById("failure-seconds").value) }));
  document.getElementById("pause").addEventListener("click", () =>
    act("/api/pause", { paused: !(page.state && page.state.paused) }));
  for (const b of document.querySelectorAll("[data-speed]"))
    b.addEventListener("click", () => act("/api/speed", { speed: Number(b.dataset.speed) }));
  document.getElementById("restart").addEventListener("click", () => act("/api/restart", {}));
  document.getElementById("choose-flight").addEventListener("click", () =>
    act("/api/flight", { name: document.getElementById("flight-choice").value }));
  const slider = document.getElementById("jump-nm");
  const label = document.getElementById("jump-label");
  slider.addEventListener("input", () => { label.textContent = `${slider.value} NM`; });
  document.getElementById("jump").addEventListener("click", () => jump(Number(slider.value)));
  document.getElementById("mute").addEventListener("change", (e) => sound.setMuted(e.target.checked));
  // Sound may start only after the person has done something on the page.
  document.addEventListener("pointerdown", () => sound.audio(), { once: true });
}

// ---- Tokens and log ----------------------------------------------------------------------------------

function tokenText(t) {
  if (t.integer) return `${t.value} (0x${(t.value >>> 0).toString(16).toUpperCase()})`;
  if (t.value === null) return "NaN";
  return Number.isInteger(t.value) ? String(t.value) : t.value.toFixed(4);
}

function updateTokens(tokens) {
  const body = document.querySelector("#tokens tbody");
  for (const t of tokens) {
    let row = page.tokenRows.get(t.token);
    if (!row) {
      row = document.createElement("tr");
      row.dataset.token = t.token;
      row.innerHTML = "<td></td><td class=\"value\"></td><td class=\"readers\"></td>" +
        "<td><input aria-label=\"new value\"> <button type=\"button\" class=\"hold\">hold</button> " +
        "<button type=\"button\" class=\"release\">release</button></td>";
      row.cells[0].textContent = t.token;
      const input = row.querySelector("input");
      const send = () => {
        const value = Number(input.value.trim());
        if (input.value.trim() === "" || !Number.isFinite(value)) { showError(new Error(`token ${t.token}: not a number`)); return; }
        act("/api/tokens", { token: t.token, value });
      };
      row.querySelector("button.hold").addEventListener("click", send);
      row.querySelector("button.release").addEventListener("click", () => act("/api/tokens/release", { token: t.token }));
      input.addEventListener("keydown", (e) => { if (e.key === "Enter") send(); });
      // Rows in token order.
      const after = [...body.rows].find((r) => Number(r.dataset.token) > t.token);
      body.insertBefore(row, after || null);
      page.tokenRows.set(t.token, row);
    }
    row.cells[1].textContent = tokenText(t) + (t.held ? " held" : "");
    row.classList.toggle("held", t.held);
    row.querySelector("button.release").disabled = !t.held;
    row.cells[2].textContent = t.read_by.join(", ");
  }
}

function appendLog(entries) {
  const body = document.querySelector("#log tbody");
  for (const e of entries) {
    const row = body.insertRow(0);
    row.className = e.kind;
    for (const text of [e.frame, e.time_s.toFixed(1), e.kind, e.gauge, e.what,
                        e.kind === "sound" ? "" : e.value])
      row.insertCell().textContent = text;
  }
  while (body.rows.length > LOG_ROWS) body.deleteRow(body.rows.length - 1);
}

// ---- Start -------------------------------------------------------------------------------------------

async function start() {
  wireControls();
  try {
    const [description, state] = await Promise.all([request("GET", "/api/panel"), request("GET", "/api/state")]);
    buildPanel(description);
    // Sounds already played before this page opened stay unplayed; the log shows its history.
    page.soundSeq = state.sound_seq;
    apply(Object.assign(state, { sounds: [] }));
    page.logSeq = state.log_seq;
    connect();
  } catch (e) {
    setStatus("the host does not answer", false);
    showError(e);
  }
}

start();
