// SPDX-License-Identifier: MIT
// A stand-in for the WebAssembly core while it is being built: the
// contract's shape with a handful of units. Never shipped.
const viscosity = ['cP', 'lb/(ft.s)', 'lb/(ft.h)', 'slugs/(ft.s)', 'poundal.s/ft^2', 'lbf.s/ft^2',
  'lbf.s/in^2', 'Pa.s', 'N.s/m^2', 'Poise', 'g/(cm.s)', 'dyne.s/cm^2', 'kg/(m.h)', 'kg/(m.s)',
  'kgf.s/m^2', '', 'cSt', 'ft^2/h', 'ft^2/s', 'in^2/s', 'm^2/s', 'm^2/h', 'Stoke', 'cm^2/s', 'mm^2/s'];
const density = ['lb/ft^3', 'lb/in^3', 'lb/US gal', 'lb/UK gal', 'kg/m^3', 'g/l', 'g/cm^3',
  'slug/ft^3', 'deg API', 'deg Baume', 'SG (rel. Water)', 'SG (rel. Air)'];
const plain = { decimal: '.', group: '', groupFirst: 3, groupHigher: 3, groupMinimum: 1, zero: '0', minus: '-', plus: '+', exponent: 'e' };
const toCp = { cP: 1, 'Pa.s': 1000, Poise: 100 };
const gcm3 = { 'lb/ft^3': 0.01602, 'g/cm^3': 1, 'kg/m^3': 0.001 };

function parseNumber(text, s) {
  let t = text.trim();
  if (s.group) t = t.split(s.group).join('');
  t = t.split(s.decimal).join('.');
  if (!/^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/.test(t)) return null;
  return Number(t);
}
function formatNumber(n, decimals, s) {
  let [i, f] = Math.abs(n).toFixed(decimals).split('.');
  if (s.group && i.length > 3) i = i.replace(/\B(?=(\d{3})+(?!\d))/g, s.group);
  return (n < 0 ? s.minus : '') + i + (f ? s.decimal + f : '');
}
function densityIn(d, unit) {
  if (unit === 'deg Baume') return 145 / (145 - d);
  return d * (gcm3[unit] ?? 0);
}
function calculate(x, s) {
  const v = parseNumber(x.value, s);
  const d = parseNumber(x.density, s);
  if (v === null) return { ok: false, control: 'convertText', message: 'Viscosity input value is invalid' };
  if (d === null) return { ok: false, control: 'densityText', message: 'Density input value is invalid' };
  if (!(v > 0)) return { ok: false, control: 'convertText', message: 'Input Error: Viscosity input value is zero or negative' };
  if (!(d > 0)) return { ok: false, control: 'densityText', message: 'Input Error: Density input value is zero or negative' };
  if (x.fromUnit === '') return { ok: false, control: 'convCombo', message: 'Viscosity unit is not specified. ' };
  if (x.densityUnit === '') return { ok: false, control: 'densityCombo', message: 'Density unit is not specified. ' };
  if (x.toUnit === '') return { ok: false, control: 'toCombo', message: 'Conversion unit is not specified. ' };
  if (x.fromUnit === x.toUnit) return { ok: true, value: v, text: formatNumber(v, 8, s) };
  const g = densityIn(d, x.densityUnit);
  if (!Number.isFinite(g)) return { ok: false, control: '', message: 'The result cannot be computed: division by zero.' };
  const cp = x.fromUnit === 'cSt' ? v * g : v * (toCp[x.fromUnit] ?? 0);
  const r = x.toUnit === 'cSt' ? cp / g : cp / (toCp[x.toUnit] ?? 0);
  return { ok: true, value: r, text: formatNumber(r, 8, s) };
}
function convertDensity(x, s) {
  const v = parseNumber(x.value, s);
  if (v === null) return { ok: false, control: 'convertText', message: 'Density input value is invalid' };
  if (!(v > 0)) return { ok: false, control: 'convertText', message: 'Density input value is zero or negative' };
  const r = v * gcm3[x.fromUnit] / gcm3[x.toUnit];
  return { ok: true, value: r, text: formatNumber(r, 8, s) };
}
class Batch {
  constructor(o) { this.o = o; }
  run(read, write, report) {
    const o = this.o;
    let text = '';
    for (let c = read(65536); c.length; c = read(65536)) text += new TextDecoder().decode(c);
    const sep = o.tsv ? '\t' : (o.delimiter || ',');
    const enc = new TextEncoder();
    let rows = 0; let failed = 0;
    text.split('\n').forEach((line, i) => {
      if (i === text.split('\n').length - 1 && line === '') return;
      if (line === '') { write(enc.encode('\n')); return; }
      if (i === 0 && o.header) { write(enc.encode(`${line}${sep}${o.resultName}\n`)); return; }
      const f = line.split(sep);
      rows++;
      const r = calculate({ value: f[0], fromUnit: f[1] ?? o.fromUnit ?? '', toUnit: f[2] ?? o.toUnit ?? '', density: f[3] ?? o.density ?? '50', densityUnit: f[4] ?? o.densityUnit ?? 'lb/ft^3' }, o.symbols || plain);
      if (!r.ok) { failed++; report(i + 1, r.message); }
      write(enc.encode(`${line}${sep}${r.ok ? r.text : ''}\n`));
    });
    return { status: failed ? 1 : 0, rows, failed };
  }
  delete() {}
}
export default async function createTarnwickCore() {
  return {
    viscosityUnits: () => viscosity.slice(), densityUnits: () => density.slice(), plainSymbols: () => ({ ...plain }),
    startingTexts: (s) => ({ value: '1', density: `50${s.decimal}0` }),
    calculate, convertDensity, formatNumber, parseNumber, Batch,
  };
}
