// SPDX-License-Identifier: MIT
// The viscosity-temperature chart, on the axes of ASTM D341's charts, where
// an oil's line is straight: log10 T (kelvin) across, log10 log10 (v + 0.7)
// up. Only the axes are worked out here; the line's viscosities, the
// temperatures' kelvin and their values in the user's scale come from the core.

const svgNS = 'http://www.w3.org/2000/svg';
const width = 360;
const height = 220;
const plot = { left: 52, right: width - 12, top: 12, bottom: height - 34 };

const across = (kelvin) => Math.log10(kelvin);
// Defined above 0.3 cSt, where log10 (v + 0.7) is above zero.
const up = (v) => Math.log10(Math.log10(v + 0.7));

function element(name, attributes, text) {
  const node = document.createElementNS(svgNS, name);
  for (const [key, value] of Object.entries(attributes)) node.setAttribute(key, value);
  if (text !== undefined) node.textContent = text;
  return node;
}

// Round steps (1, 2 or 5 times a power of ten) that put a few ticks in [low, high].
function roundTicks(low, high, wanted) {
  const raw = (high - low) / wanted;
  const power = 10 ** Math.floor(Math.log10(raw));
  const step = [1, 2, 5, 10].map((m) => m * power).find((s) => s >= raw) || raw;
  const ticks = [];
  for (let t = Math.ceil(low / step) * step; t <= high + step * 1e-9; t += step) ticks.push(t);
  return { ticks, decimals: Math.max(0, -Math.floor(Math.log10(step))) };
}

// Viscosity ticks at 1, 2 and 5 times the powers of ten.
function viscosityTicks(low, high) {
  const ticks = [];
  for (let power = Math.floor(Math.log10(low)); power <= Math.ceil(Math.log10(high)); ++power) {
    for (const m of [1, 2, 5]) {
      const v = m * 10 ** power;
      if (v >= low && v <= high) ticks.push({ v, decimals: Math.max(0, -power) });
    }
  }
  return ticks.length > 8 ? ticks.filter((t) => Math.round(t.v / 10 ** Math.floor(Math.log10(t.v))) === 1) : ticks;
}

// Draws the line through the two points, marking them, the temperature asked
// and the one reached. points: {t1, v1, t2, v2, t, reached, texts}, the
// temperatures as the core read them ({value, scale, kelvin}).
export function drawChart(svg, { core, oils, symbols }, points) {
  const { t1, v1, t2, v2 } = points;
  const scale = t1.scale;
  const viscosity = (kelvin) => oils.viscosityAtKelvin(t1.kelvin, v1, t2.kelvin, v2, kelvin);
  const marks = [t1.kelvin, t2.kelvin, points.t && points.t.kelvin, points.reached && points.reached.kelvin]
    .filter((k) => k > 0);
  const spread = Math.max(across(Math.max(...marks)) - across(Math.min(...marks)), 0.02);
  const x0 = across(Math.min(...marks)) - spread * 0.1;
  const x1 = across(Math.max(...marks)) + spread * 0.1;
  const samples = [];
  for (let i = 0; i <= 60; ++i) {
    const kelvin = 10 ** (x0 + ((x1 - x0) * i) / 60);
    const v = viscosity(kelvin);
    if (v + 0.7 > 1.0001) samples.push([across(kelvin), v]);
  }
  const ys = samples.map(([, v]) => up(v));
  const y0 = Math.min(...ys);
  const y1 = Math.max(...ys, y0 + 0.01);
  const px = (x) => plot.left + ((x - x0) / (x1 - x0)) * (plot.right - plot.left);
  const py = (y) => plot.bottom - ((y - y0) / (y1 - y0)) * (plot.bottom - plot.top);

  const title = svg.querySelector('title');
  const parts = [`${points.texts.line[1]} cSt at ${points.texts.line[0]}`, `${points.texts.line[3]} cSt at ${points.texts.line[2]}`];
  if (points.t) parts.push(`${points.texts.at} at ${points.texts.t}`);
  if (points.reached) parts.push(`${points.texts.v} cSt at ${points.texts.reached}`);
  title.textContent = `Viscosity against temperature on ASTM D341's log-log scales: a straight line through ${parts.join(', ')}.`;
  const drawn = [title];

  drawn.push(element('rect', { class: 'frame', x: plot.left, y: plot.top, width: plot.right - plot.left, height: plot.bottom - plot.top }));
  const low = oils.fromKelvin(10 ** x0, scale);
  const high = oils.fromKelvin(10 ** x1, scale);
  const temperatures = roundTicks(low, high, 5);
  for (const t of temperatures.ticks) {
    const x = px(across(oils.kelvin(t, scale)));
    drawn.push(element('line', { class: 'grid', x1: x, x2: x, y1: plot.top, y2: plot.bottom }));
    drawn.push(element('text', { x, y: plot.bottom + 14, 'text-anchor': 'middle' },
      core.formatNumber(t, temperatures.decimals, symbols)));
  }
  const vs = samples.map(([, v]) => v);
  for (const { v, decimals } of viscosityTicks(Math.min(...vs), Math.max(...vs))) {
    const y = py(up(v));
    drawn.push(element('line', { class: 'grid', x1: plot.left, x2: plot.right, y1: y, y2: y }));
    drawn.push(element('text', { x: plot.left - 4, y: y + 3, 'text-anchor': 'end' },
      core.formatNumber(v, decimals, symbols)));
  }
  drawn.push(element('text', { x: (plot.left + plot.right) / 2, y: height - 4, 'text-anchor': 'middle' },
    `temperature, ${scale === 'K' ? 'K' : `°${scale}`}`));
  drawn.push(element('text', { x: 12, y: (plot.top + plot.bottom) / 2, 'text-anchor': 'middle',
    transform: `rotate(-90 12 ${(plot.top + plot.bottom) / 2})` }, 'cSt'));
  drawn.push(element('polyline', { class: 'line',
    points: samples.map(([x, v]) => `${px(x).toFixed(1)},${py(up(v)).toFixed(1)}`).join(' ') }));
  const point = (kelvin, v, kind) => {
    if (!(kelvin > 0) || !(v + 0.7 > 1.0001)) return;
    drawn.push(element('circle', { class: kind, cx: px(across(kelvin)), cy: py(up(v)), r: kind === 'given' ? 4 : 5 }));
  };
  point(t1.kelvin, v1, 'given');
  point(t2.kelvin, v2, 'given');
  if (points.t) point(points.t.kelvin, viscosity(points.t.kelvin), 'asked');
  if (points.reached) point(points.reached.kelvin, viscosity(points.reached.kelvin), 'asked');
  svg.replaceChildren(...drawn);
}
