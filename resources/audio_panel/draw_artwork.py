#!/usr/bin/env python3
"""Writes the SVG sources of both audio panels' bitmaps into QT1M/ and QT5/ beside this file.

The two panels use the same resource numbers for different pictures, so each has its own folder. Run it
after changing a picture here; the SVG files it writes are what the build renders and what is committed.
Nothing drawn is transparent (pure black); artwork that must look black uses (1,1,1)."""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

STYLE = """
    <style>
      text { font-family: "Liberation Sans"; font-weight: bold; fill: #e6e6e2; }
      .key { font-size: 8px; }
      .legend { font-size: 7px; fill: #d8d8d2; }
      .small { font-size: 5.6px; fill: #c4c4be; }
      .title { font-size: 9px; letter-spacing: 1.2px; }
      .lit { fill: #1a1a10; }
    </style>"""

DEFS = """
    <linearGradient id="bezel" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#505255"/><stop offset="0.5" stop-color="#2c2d30"/><stop offset="1" stop-color="#18191b"/>
    </linearGradient>
    <linearGradient id="face" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#2f3033"/><stop offset="1" stop-color="#212224"/>
    </linearGradient>
    <linearGradient id="key" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#55575b"/><stop offset="1" stop-color="#2a2b2e"/>
    </linearGradient>
    <linearGradient id="keydown" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#3a3c3f"/><stop offset="1" stop-color="#232426"/>
    </linearGradient>
    <radialGradient id="knob" cx="0.38" cy="0.32" r="0.75">
      <stop offset="0" stop-color="#6a6c70"/><stop offset="0.6" stop-color="#303134"/><stop offset="1" stop-color="#151517"/>
    </radialGradient>"""


def svg(w, h, body, comment):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n<!-- {comment} -->\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
            f'  <defs>{DEFS}{STYLE}\n  </defs>\n{body}</svg>\n')


def write(folder, rid, what, w, h, body, comment):
    path = os.path.join(HERE, folder, f"{rid}-{what}.svg")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(svg(w, h, body, comment))


def text(x, y, s, cls="small", anchor="middle", extra=""):
    return f'  <text x="{x:.1f}" y="{y:.1f}" class="{cls}" text-anchor="{anchor}" {extra}>{s}</text>\n'


def plate(w, h):
    return (f'  <rect x="0" y="0" width="{w}" height="{h}" rx="7" fill="url(#bezel)"/>\n'
            f'  <rect x="3.5" y="3.5" width="{w - 7}" height="{h - 7}" rx="5" fill="url(#face)" stroke="#0e0e0f"/>\n'
            f'  <line x1="9" y1="4.5" x2="{w - 9}" y2="4.5" stroke="#5c5e62" stroke-opacity="0.6"/>\n')


def key(x, y, w, h, label, down=False, lamp=None, lamp_box=None):
    """A push key with its label; `lamp` None draws no lamp, else the colour of its lamp window."""
    face = "url(#keydown)" if down else "url(#key)"
    off = 0.8 if down else 0.0
    out = (f'  <rect x="{x}" y="{y}" width="{w}" height="{h}" rx="3" fill="#0c0c0d"/>\n'
           f'  <rect x="{x + 1}" y="{y + 1}" width="{w - 2}" height="{h - 2}" rx="2.5" fill="{face}"/>\n'
           f'  <rect x="{x + 1.5}" y="{y + 1.5}" width="{w - 3}" height="{h - 3}" rx="2" fill="none" '
           f'stroke="#6e7074" stroke-opacity="{0.3 if down else 0.55}"/>\n')
    if lamp_box:
        lx, ly, lw, lh = lamp_box
        out += f'  <rect x="{x + lx}" y="{y + ly}" width="{lw}" height="{lh}" rx="1" fill="{lamp or "#1c1d1a"}"/>\n'
        if lamp:
            out += (f'  <rect x="{x + lx - 1}" y="{y + ly - 1}" width="{lw + 2}" height="{lh + 2}" rx="1.5" '
                    f'fill="none" stroke="{lamp}" stroke-opacity="0.45"/>\n')
    size = 8 if len(label) <= 3 else 7
    ty = y + h / 2 + 3 + off + (3 if lamp_box and lamp_box[1] < h / 3 else 0)
    out += (f'  <text x="{x + w / 2:.1f}" y="{ty:.1f}" text-anchor="middle" '
            f'style="font-size:{size}px">{label}</text>\n')
    return out


def lamp(cx, cy, r, colour, lit, label=None, label_dy=0.0, label_colour="#111111"):
    glass = colour if lit else dim(colour)
    out = (f'  <circle cx="{cx}" cy="{cy}" r="{r + 1.2}" fill="#0a0a0b"/>\n'
           f'  <circle cx="{cx}" cy="{cy}" r="{r}" fill="{glass}"/>\n')
    if lit:
        out += f'  <circle cx="{cx}" cy="{cy}" r="{r * 0.55}" fill="#ffffff" fill-opacity="0.35"/>\n'
    elif not label:
        out += f'  <circle cx="{cx - r * 0.3:.1f}" cy="{cy - r * 0.3:.1f}" r="{r * 0.25:.1f}" fill="#ffffff" fill-opacity="0.18"/>\n'
    if label:
        fill = label_colour if lit else "#8a8a84"
        out += (f'  <text x="{cx}" y="{cy + r * 0.38 + label_dy:.1f}" text-anchor="middle" '
                f'style="font-size:{r * 1.05:.1f}px; fill:{fill}">{label}</text>\n')
    return out


def dim(colour):
    c = colour.lstrip("#")
    rgb = [int(c[i:i + 2], 16) for i in (0, 2, 4)]
    rgb = [max(8, int(v * 0.22)) for v in rgb]
    return "#%02x%02x%02x" % tuple(rgb)


def knob(cx, cy, r, angle_deg, pointer="#f2f2ee"):
    """A knob seen from the front, its pointer at `angle_deg` clockwise from 12 o'clock."""
    a = math.radians(angle_deg)
    x1, y1 = cx + r * 0.25 * math.sin(a), cy - r * 0.25 * math.cos(a)
    x2, y2 = cx + r * 0.85 * math.sin(a), cy - r * 0.85 * math.cos(a)
    return (f'  <circle cx="{cx}" cy="{cy + 0.8}" r="{r + 0.8}" fill="#0b0b0c"/>\n'
            f'  <circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#knob)"/>\n'
            f'  <circle cx="{cx}" cy="{cy}" r="{r - 1}" fill="none" stroke="#101011" stroke-width="2" '
            f'stroke-dasharray="1.5 1.5"/>\n'
            f'  <circle cx="{cx}" cy="{cy}" r="{r * 0.7:.1f}" fill="none" stroke="#85878c" stroke-width="0.7" '
            f'stroke-opacity="0.5"/>\n'
            f'  <line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}" stroke="{pointer}" stroke-width="2.4" '
            f'stroke-linecap="round"/>\n')


def tick(cx, cy, r1, r2, angle_deg):
    a = math.radians(angle_deg)
    return (f'  <line x1="{cx + r1 * math.sin(a):.2f}" y1="{cy - r1 * math.cos(a):.2f}" '
            f'x2="{cx + r2 * math.sin(a):.2f}" y2="{cy - r2 * math.cos(a):.2f}" stroke="#d8d8d2" '
            f'stroke-width="1.1" stroke-linecap="round"/>\n')


def position_name(cx, cy, r, angle_deg, name):
    """A selector position's name outside its tick, anchored away from the knob; two words stack."""
    a = math.radians(angle_deg)
    x, y = cx + r * math.sin(a), cy - r * math.cos(a) + 2
    anchor = "end" if math.sin(a) < -0.3 else "start" if math.sin(a) > 0.3 else "middle"
    lines = name.split("\n")
    y -= 3.2 * (len(lines) - 1)
    return "".join(text(x, y + 6.4 * i, line, "small", anchor) for i, line in enumerate(lines))


def toggle(cx, cy, lever):
    """A small toggle switch: its nut and a lever up (-1), centred (0) or down (+1)."""
    out = (f'  <circle cx="{cx}" cy="{cy}" r="5" fill="#0c0c0d"/>\n'
           f'  <circle cx="{cx}" cy="{cy}" r="4" fill="#8c8e92"/>\n'
           f'  <circle cx="{cx}" cy="{cy}" r="2.4" fill="#3a3b3e"/>\n')
    if lever == 0:
        out += f'  <circle cx="{cx}" cy="{cy}" r="2.6" fill="#d6d7da" stroke="#555" stroke-width="0.6"/>\n'
    else:
        tip = cy + lever * 9
        out += (f'  <line x1="{cx}" y1="{cy}" x2="{cx}" y2="{tip}" stroke="#c8c9cc" stroke-width="3" '
                f'stroke-linecap="round"/>\n'
                f'  <circle cx="{cx}" cy="{tip}" r="2.4" fill="#e6e7ea" stroke="#555" stroke-width="0.5"/>\n')
    return out


# ---- The audio panel (QT1M) ------------------------------------------------------------------------------

Q1 = "QT1M"
# Marker lamps, top to bottom: A (white, inner), O (blue, outer), M (amber, middle); frame k lights beacon k.
MARKER_1M = [("A", "#f4f4f0", 3), ("O", "#3f7dff", 1), ("M", "#ffb020", 2)]
ROTARY_1M = [("OFF", 215), ("COM 1", 255), ("COM 2", 295), ("COM 1-2", 335), ("COM 2-1", 15), ("TEL-COM 1", 55)]
KEYS_1M = [  # label, x, y, resource id, frames
    ("C1", 295, 22, 0x5300, 2), ("C2", 334, 22, 0x4000, 2), ("D", 372, 22, 0x4300, 3), ("M", 410, 22, 0x4500, 3),
    ("A", 448, 22, 0x4600, 3), ("N1", 296, 60, 0x4100, 3), ("N2", 334, 60, 0x4200, 3), ("AX", 372, 60, 0x4400, 3),
    ("S", 447, 60, 0x4700, 3)]
KNOB_1M = (536, 54)


def marker_lamps_1m(lit):
    out = ""
    for i, (label, colour, beacon) in enumerate(MARKER_1M):
        out += lamp(16.5, 16.5 + i * 33.5, 13, colour, beacon in lit, label)
    return out


def qt1m():
    w, h = 600, 124
    b = plate(w, h)
    # marker receiver: lamps (drawn dark here too), switch, labels
    b += '  <rect x="14" y="8" width="41" height="108" rx="4" fill="#19191b" stroke="#0b0b0c"/>\n'
    b += '  <g transform="translate(18 12)">\n' + marker_lamps_1m(set()) + '  </g>\n'
    b += '  <rect x="57" y="24" width="18" height="25" rx="3" fill="#151517" stroke="#5c5e62" stroke-width="0.6"/>\n'
    b += toggle(66, 36.5, 0)
    b += text(66, 20, "HI") + text(84, 38.5, "LO", anchor="start") + text(66, 57, "TEST")
    b += text(66, 72, "MKR", "legend") + text(66, 80, "AUDIO", "small")
    # volume (push mute) and squelch knobs, the ISO/ALL/CREW switch, XMT lamp
    b += knob(118, 52, 17, 200) + text(118, 26, "VOLUME", "legend") + text(118, 82, "PUSH MUTE")
    for a in (-135, -90, -45, 0, 45, 90, 135):
        b += tick(118, 52, 20, 23, a)
    b += knob(246, 52, 15, 160) + text(246, 28, "SQUELCH", "legend")
    b += toggle(181, 38, 0) + text(181, 24, "ALL") + text(169, 40, "ISO", anchor="end") + text(193, 40, "CREW", anchor="start")
    b += '  <rect x="168" y="64" width="26" height="25" rx="3" fill="#0c0c0d"/>\n'
    b += text(181, 98, "XMT", "legend")
    b += text(181, 112, "INTERCOM", "small")
    # keys, row by row, dark; the lights are their own bitmaps
    for label, x, y, _, _ in KEYS_1M:
        b += key(x, y, 28, 28, label, lamp_box=(7, 3, 14, 4))
    b += text(334, 100, "COM", "legend") + text(430, 100, "AUDIO", "legend")
    b += '  <line x1="296" y1="94" x2="476" y2="94" stroke="#8c8c88" stroke-width="0.6"/>\n'
    # SWAP lamp, painted only
    b += lamp(480, 100, 5, "#43d16b", False) + text(480, 113, "SWAP")
    # rotary selector: its scale and position names; the knob is the icon
    cx, cy = KNOB_1M
    b += f'  <circle cx="{cx}" cy="{cy}" r="31" fill="#111113"/>\n'
    for name, a in ROTARY_1M:
        b += tick(cx, cy, 31.5, 34.5, a)
    for name, a in ROTARY_1M:
        b += position_name(cx, cy, 37, a, {"OFF": "OFF\nFAIL-SAFE", "TEL-COM 1": "TEL-\nCOM 1"}.get(name, name))
    b += text(568, 110, "SPLIT", "small")
    b += text(536, 118, "AUDIO SELECTOR", "small")
    write(Q1, 0x3800, "background", w, h, b, "Audio panel faceplate, 600 x 124: marker lamps and switch at the "
          "left, volume, squelch, ISO/ALL/CREW and XMT, the two rows of keys, the rotary selector at the right")

    names = ["dark", "outer", "middle", "inner", "test"]
    for frame in range(5):
        lit = {1, 2, 3} if frame == 4 else ({frame} if frame else set())
        write(Q1, 0x2000 + frame, f"marker-lamps-{names[frame]}", 33, 100, marker_lamps_1m(lit),
              f"Marker lamps A, O, M, 33 x 100 at (18, 12): {names[frame]}")

    for frame, (name, a) in enumerate(ROTARY_1M):
        body = knob(30, 30, 24, a)
        write(Q1, 0x2200 + frame, f"rotary-{name.lower().replace(' ', '')}", 60, 60, body,
              f"Rotary selector, 60 x 60 at (506, 24), pointer at {name}")

    # marker switch: lever up (HI), nothing (the painted LO shows), lever down (TEST)
    plate_sw = '  <rect x="5" y="2" width="18" height="25" rx="3" fill="#151517" stroke="#5c5e62" stroke-width="0.6"/>\n'
    write(Q1, 0x3400, "marker-switch-hi", 28, 29, plate_sw + toggle(14, 14.5, -1), "Marker switch at HI, 28 x 29 at (52, 22)")
    write(Q1, 0x3401, "marker-switch-lo", 28, 29, "", "Marker switch at LO: empty, the background's lever shows")
    write(Q1, 0x3402, "marker-switch-test", 28, 29, plate_sw + toggle(14, 14.5, 1), "Marker switch at TEST, 28 x 29 at (52, 22)")

    for label, x, y, rid, frames in KEYS_1M:
        states = [("off", False, None), ("on", False, "#7dff9a")] if frames == 2 else \
                 [("off", False, None), ("selected", True, None), ("on", True, "#7dff9a")]
        for frame, (state, down, colour) in enumerate(states):
            write(Q1, rid + frame, f"{label.lower()}-light-{state}", 28, 28,
                  key(0, 0, 28, 28, label, down, colour, (7, 3, 14, 4)),
                  f"{label} key, 28 x 28 at ({x}, {y}): {state}")

    write(Q1, 0x4900, "split-lamp-off", 23, 23, lamp(11.5, 11.5, 8, "#43d16b", False), "Split lamp, 23 x 23 at (557, 78): dark")
    write(Q1, 0x4901, "split-lamp-on", 23, 23, lamp(11.5, 11.5, 8, "#43d16b", True), "Split lamp: lit")
    xmt = lambda on: (f'  <rect x="1" y="1" width="22" height="21" rx="2" fill="{"#ffd84a" if on else "#2a2410"}"/>\n'
                      f'  <text x="12" y="14.5" text-anchor="middle" style="font-size:7px; fill:{"#1a1a10" if on else "#8a8a84"}">XMT</text>\n')
    write(Q1, 0x5100, "xmt-lamp-off", 24, 23, xmt(False), "XMT lamp, 24 x 23 at (169, 65): dark")
    write(Q1, 0x5101, "xmt-lamp-on", 24, 23, xmt(True), "XMT lamp: lit")


# ---- The compact audio panel (QT5) -------------------------------------------------------------------------

Q5 = "QT5"
MARKER_5 = [("O", "#3f7dff", 1), ("M", "#ffd020", 2), ("I", "#f4f4f0", 3)]
KEYS_5 = [  # label, x, y, resource id
    ("COM 1", 148, 16, 0x2800), ("COM 2", 147, 55, 0x1200), ("NAV 1", 208, 16, 0x3000), ("NAV 2", 208, 55, 0x1400),
    ("MKR", 297, 16, 0x3200), ("ICS", 297, 55, 0x1600), ("ADF", 359, 16, 0x3400), ("AUX", 359, 55, 0x1800),
    ("DME", 420, 16, 0x3600), ("SPR", 420, 55, 0x2000)]
ROTARY_5 = [("COM 3", 195), ("COM 2", 240), ("COM 1", 285), ("COM 1/2", 330), ("COM 2/1", 15), ("TEL", 60)]
KNOB_5 = (540.5, 52.5)
VOL_5 = (29 + 29, 43 + 31)


def marker_lamps_5(lit, draw_dark):
    out = ""
    for i, (label, colour, beacon) in enumerate(MARKER_5):
        if beacon in lit or draw_dark:
            out += lamp(14.5 + i * 30, 11.5, 10, colour, beacon in lit, label)
    return out


def qt5_key(label, lamp_colour, down):
    return key(0, 0, 51, 31, label, down, lamp_colour, (19, 3, 13, 4))


def qt5():
    w, h = 600, 123
    b = plate(w, h)
    b += '  <rect x="6" y="17" width="97" height="29" rx="4" fill="#19191b" stroke="#0b0b0c"/>\n'
    b += '  <g transform="translate(10 20)">\n' + marker_lamps_5(set(), True) + '  </g>\n'
    b += text(54, 13, "MARKER", "small")
    # HI/LO/TEST switch, painted at the lever's hotspot
    b += '  <rect x="105" y="21" width="17" height="20" rx="3" fill="#151517" stroke="#5c5e62" stroke-width="0.6"/>\n'
    b += toggle(113.5, 31, 0) + text(113.5, 15.5, "HI") + text(124, 33, "LO", anchor="start") + text(113.5, 50, "TEST")
    # volume knob, off: the icon shows it turned on
    vx, vy = VOL_5
    b += knob(vx, vy, 22, 220)
    for a in (220, -90, -45, 0, 45, 90, 135):
        b += tick(vx, vy, 25, 28, a)
    b += text(vx - 27, vy + 24, "OFF", "small") + text(vx, 114, "VOL  PUSH FAIL SAFE", "small")
    # ISO/ALL/CREW
    b += toggle(118, 80, 0) + text(118, 66, "ALL") + text(108, 82, "ISO", anchor="end") + text(118, 97, "CREW")
    # keys, all unlit; the lamps are their own bitmaps
    for label, x, y, _ in KEYS_5:
        b += f'  <g transform="translate({x} {y})">\n' + qt5_key(label, None, False) + '  </g>\n'
    # two painted toggles between the key columns
    b += toggle(278, 31, -1) + toggle(278, 70, -1) + text(278, 103, "PILOT", "small")
    b += text(310, 114, "AUDIO CONTROL", "legend")
    # Transmit lamp (painted) and the Swap lamp's place
    b += lamp(492, 96, 5.5, "#ffd84a", False) + text(492, 110, "TRANSMIT")
    b += text(573, 110, "SWAP")
    # rotary selector scale and names; the knob is the icon
    cx, cy = KNOB_5
    b += f'  <circle cx="{cx}" cy="{cy}" r="32.5" fill="#111113"/>\n'
    for name, a in ROTARY_5:
        b += tick(cx, cy, 33, 36, a)
    for name, a in ROTARY_5:
        b += position_name(cx, cy, 38, a, name)
    write(Q5, 256, "background", w, h, b, "Compact audio panel faceplate, 600 x 123: marker lamps and switch, "
          "volume knob, ISO/ALL/CREW, ten keys, the rotary selector, Transmit and Swap")

    write(Q5, 0x2100, "volume-knob-off", 58, 62, "", "Volume knob off: empty, the painted knob shows")
    write(Q5, 0x2101, "volume-knob-on", 58, 62, knob(29, 31, 22, 45), "Volume knob on, 58 x 62 at (29, 43)")

    names = ["dark", "outer", "middle", "inner", "test"]
    for frame in range(5):
        lit = {1, 2, 3} if frame == 4 else ({frame} if frame else set())
        write(Q5, 0x2200 + frame, f"marker-lamps-{names[frame]}", 89, 23, marker_lamps_5(lit, False),
              f"Marker lamps O, M, I, 89 x 23 at (10, 20): {names[frame]}")

    for label, x, y, rid in KEYS_5:
        stem = label.lower().replace(" ", "")
        write(Q5, rid, f"{stem}-key-empty", 51, 31, "", f"{label} key lamp: empty, the painted key shows")
        write(Q5, rid + 1, f"{stem}-key-selected", 51, 31, qt5_key(label, None, True),
              f"{label} key, 51 x 31 at ({x}, {y}): selected, lamp dark")
        write(Q5, rid + 2, f"{stem}-key-lit", 51, 31, qt5_key(label, "#7dff9a", True),
              f"{label} key: selected, lamp lit")

    pointer_frames = ["COM 1", "COM 2", "COM 1/2", "COM 2/1"]
    angles = dict(ROTARY_5)
    for frame, name in enumerate(pointer_frames):
        write(Q5, 0x2400 + frame, f"rotary-{name.lower().replace(' ', '').replace('/', '-')}", 63, 63,
              knob(31.5, 31.5, 25, angles[name]), f"Rotary selector, 63 x 63 at (509, 21), pointer at {name}")

    write(Q5, 0x2600, "swap-lamp-off", 24, 24, lamp(12, 12, 8, "#43d16b", False), "Swap lamp, 24 x 24 at (561, 75): dark")
    write(Q5, 0x2601, "swap-lamp-on", 24, 24, lamp(12, 12, 8, "#43d16b", True), "Swap lamp: lit")


if __name__ == "__main__":
    for folder in (Q1, Q5):
        d = os.path.join(HERE, folder)
        if os.path.isdir(d):
            for f in os.listdir(d):
                if f.endswith(".svg"):
                    os.remove(os.path.join(d, f))
    qt1m()
    qt5()
