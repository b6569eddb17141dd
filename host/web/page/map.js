// The moving map, drawn by the page itself in SVG: the navaids with their service ranges, the route and
// its waypoints, the track flown so far and the aircraft with its track ahead. North is up; the map is
// fitted to the route and the navaids.
"use strict";

const SVG_NS = "http://www.w3.org/2000/svg";
const MAP_SIZE = 400;
const MAP_MARGIN = 36;

function svgElement(name, attributes, parent) {
  const e = document.createElementNS(SVG_NS, name);
  for (const [k, v] of Object.entries(attributes || {})) e.setAttribute(k, v);
  if (parent) parent.appendChild(e);
  return e;
}

class MovingMap {
  constructor(svg, onWaypoint) {
    this.svg = svg;
    this.onWaypoint = onWaypoint;   // called with a waypoint's distance along the route, in NM
    this.trailPoints = [];          // [x, y] or null where the track breaks
    this.lastTrail = null;
  }

  // Equirectangular around the middle of the area, with east-west distances shrunk by the latitude's
  // cosine so that a nautical mile is as long either way.
  fit(points) {
    let south = Infinity, north = -Infinity, west = Infinity, east = -Infinity;
    for (const p of points) {
      south = Math.min(south, p.lat); north = Math.max(north, p.lat);
      west = Math.min(west, p.lon); east = Math.max(east, p.lon);
    }
    if (!isFinite(south)) { south = north = west = east = 0; }
    this.lat0 = (south + north) / 2;
    this.lon0 = (west + east) / 2;
    this.cos = Math.cos(this.lat0 * Math.PI / 180);
    const spanX = Math.max((east - west) * this.cos, 0.05);
    const spanY = Math.max(north - south, 0.05);
    this.scale = (MAP_SIZE - 2 * MAP_MARGIN) / Math.max(spanX, spanY);   // pixels per degree of latitude
  }

  project(lat, lon) {
    return [MAP_SIZE / 2 + (lon - this.lon0) * this.cos * this.scale,
            MAP_SIZE / 2 - (lat - this.lat0) * this.scale];
  }

  setFlight(flight) {
    const svg = this.svg;
    while (svg.firstChild) svg.removeChild(svg.firstChild);
    this.fit([...flight.route, ...flight.navaids]);
    const pixelsPerNm = this.scale / 60;

    const ranges = svgElement("g", { class: "ranges" }, svg);
    const navaids = svgElement("g", { class: "navaids" }, svg);
    for (const n of flight.navaids) {
      const [x, y] = this.project(n.lat, n.lon);
      if (n.kind !== "marker" && n.range_nm > 0)
        svgElement("circle", { class: "range", cx: x, cy: y, r: n.range_nm * pixelsPerNm }, ranges);
      if (n.kind === "marker") {
        svgElement("ellipse", { class: "marker", cx: x, cy: y, rx: 4, ry: 8,
                                transform: `rotate(${(n.course_deg || 0).toFixed(1)} ${x} ${y})` }, navaids);
      } else if (n.kind === "localizer") {
        const a = (n.course_deg + 180) * Math.PI / 180;   // the beam points out along the approach, backwards
        const len = 40;
        const tip = [x + Math.sin(a) * len, y - Math.cos(a) * len];
        const side = 6;
        const left = [tip[0] + Math.cos(a) * side, tip[1] + Math.sin(a) * side];
        const right = [tip[0] - Math.cos(a) * side, tip[1] - Math.sin(a) * side];
        svgElement("path", { class: "navaid", d: `M${x},${y} L${left} L${right} Z` }, navaids);
      } else {
        const hex = [];
        for (let i = 0; i < 6; i++) {
          const a = Math.PI / 3 * i;
          hex.push(`${(x + 6 * Math.cos(a)).toFixed(1)},${(y + 6 * Math.sin(a)).toFixed(1)}`);
        }
        svgElement("polygon", { class: "navaid", points: hex.join(" ") }, navaids);
        svgElement("circle", { class: "navaid", cx: x, cy: y, r: 1.5 }, navaids);
      }
      const label = svgElement("text", { class: "navaid-label", x: x + 8, y: y + 12 }, navaids);
      label.textContent = n.kind === "marker" ? n.ident : `${n.ident} ${n.frequency_mhz.toFixed(2)}`;
    }

    const route = flight.route.map((w) => this.project(w.lat, w.lon));
    svgElement("polyline", { class: "route", points: route.map((p) => p.join(",")).join(" ") }, svg);
    const waypoints = svgElement("g", { class: "waypoints" }, svg);
    flight.route.forEach((w, i) => {
      const [x, y] = route[i];
      const mark = svgElement("path", { class: "waypoint", d: `M${x},${y - 6} L${x + 5},${y + 4} L${x - 5},${y + 4} Z`,
                                        "data-ident": w.ident }, waypoints);
      const title = svgElement("title", {}, mark);
      title.textContent = `${w.ident}: jump here (${w.distance_nm.toFixed(1)} NM along the route)`;
      mark.addEventListener("click", () => this.onWaypoint(w.distance_nm));
      const label = svgElement("text", { x: x + 7, y: y - 4 }, waypoints);
      label.textContent = w.ident;
    });

    this.trailPath = svgElement("path", { class: "trail" }, svg);
    this.trackLine = svgElement("line", { class: "track" }, svg);
    this.aircraft = svgElement("path", {
      id: "map-aircraft", class: "aircraft",
      d: "M0,-9 L1.6,-3 L9,1 L9,3 L1.6,1 L1,6 L3.5,8 L3.5,9.5 L0,8.5 L-3.5,9.5 L-3.5,8 L-1,6 L-1.6,1 L-9,3 L-9,1 L-1.6,-3 Z",
    }, svg);
    this.aircraft.style.display = "none";
    this.trailPoints = flight.trail.map((p) => (p && p[0] !== null ? this.project(p[0], p[1]) : null));
    this.lastTrail = null;
    this.drawTrail();
  }

  drawTrail() {
    let d = "", pen = false;
    for (const p of this.trailPoints) {
      if (!p) { pen = false; continue; }
      d += `${pen ? "L" : "M"}${p[0].toFixed(1)},${p[1].toFixed(1)}`;
      pen = true;
    }
    this.trailPath.setAttribute("d", d);
  }

  breakTrail() {
    this.trailPoints.push(null);
    this.lastTrail = null;
  }

  update(aircraft) {
    if (!this.aircraft) return;
    if (!aircraft) { this.aircraft.style.display = "none"; return; }
    const [x, y] = this.project(aircraft.lat, aircraft.lon);
    this.aircraft.style.display = "";
    this.aircraft.setAttribute("transform", `translate(${x.toFixed(2)} ${y.toFixed(2)}) rotate(${aircraft.heading_deg.toFixed(1)})`);
    // Two minutes ahead along the track over the ground.
    const ahead = aircraft.ground_speed_kt * 2 / 60 * this.scale / 60;
    const t = aircraft.track_deg * Math.PI / 180;
    this.trackLine.setAttribute("x1", x);
    this.trackLine.setAttribute("y1", y);
    this.trackLine.setAttribute("x2", x + Math.sin(t) * ahead);
    this.trackLine.setAttribute("y2", y - Math.cos(t) * ahead);
    if (!this.lastTrail || Math.hypot(x - this.lastTrail[0], y - this.lastTrail[1]) > 2) {
      this.trailPoints.push([x, y]);
      this.lastTrail = [x, y];
      this.drawTrail();
    }
  }
}

window.MovingMap = MovingMap;
