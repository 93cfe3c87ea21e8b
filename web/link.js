// SPDX-License-Identifier: MIT
// A calculation as an address: the fragment holds the five inputs, numbers
// written plainly ("2.5") so that the link reads the same in any language.

const keys = ['v', 'from', 'to', 'd', 'du'];

// A plain number's text under the locale's symbols: its shortest digits,
// with the locale's decimal mark, minus and digits.
function localText(number, symbols) {
  const zero = symbols.zero.codePointAt(0);
  return String(number).replace(/[0-9.\-e+]/g, (c) => {
    if (c >= '0' && c <= '9') return String.fromCodePoint(zero + Number(c));
    if (c === '.') return symbols.decimal;
    if (c === '-') return symbols.minus;
    if (c === '+') return symbols.plus;
    return symbols.exponent;
  });
}

export function writeLink(core, given, symbols) {
  const value = core.parseNumber(given.value, symbols);
  const density = core.parseNumber(given.density, symbols);
  if (value === null || density === null) return;
  const fragment = new URLSearchParams({
    v: String(value),
    from: given.fromUnit,
    to: given.toUnit,
    d: String(density),
    du: given.densityUnit,
  });
  // Spaces as %20: "+" would read back as a plus sign in some readers.
  const hash = '#' + fragment.toString().replace(/\+/g, '%20');
  if (location.hash !== hash) history.replaceState(null, '', hash);
}

// The inputs a fragment carries, written for the locale; null for anything
// but a well-formed calculation, which the page then ignores.
export function readLink(core, hash, viscosityUnits, densityUnits, symbols) {
  if (!hash || hash.length < 2) return null;
  let fields;
  try {
    fields = new URLSearchParams(hash.slice(1));
  } catch {
    return null;
  }
  if (keys.some((key) => fields.getAll(key).length !== 1)) return null;
  const plain = core.plainSymbols();
  const value = core.parseNumber(fields.get('v'), plain);
  const density = core.parseNumber(fields.get('d'), plain);
  const from = fields.get('from');
  const to = fields.get('to');
  const densityUnit = fields.get('du');
  if (value === null || density === null || !(value > 0) || !(density > 0)) return null;
  if (!from || !to || !viscosityUnits.includes(from) || !viscosityUnits.includes(to)) return null;
  if (!densityUnits.includes(densityUnit)) return null;
  return {
    value: localText(value, symbols),
    fromUnit: from,
    toUnit: to,
    density: localText(density, symbols),
    densityUnit,
  };
}
