// SPDX-License-Identifier: MIT
// How the browser's language writes numbers, as the core takes it: read
// from Intl.NumberFormat, so the page follows the browser's own formatting.

function parts(format, number) {
  return format.formatToParts(number);
}

function partOf(list, type, fallback) {
  const part = list.find((p) => p.type === type);
  return part ? part.value : fallback;
}

// Group sizes from a number long enough to show two groups and a higher one.
function groupSizes(format) {
  const integers = parts(format, 123456789012).filter((p) => p.type === 'integer');
  if (integers.length < 2) return { group: false, first: 3, higher: 3 };
  const first = integers[integers.length - 1].value.length;
  const higher = integers.length > 2 ? integers[integers.length - 2].value.length : first;
  return { group: true, first, higher };
}

// The fewest digits beyond the first group that make a number grouped:
// 1 in most languages ("1,234"), 2 in Spanish ("1234" but "12.345").
function groupMinimum(format, first) {
  for (let extra = 1; extra <= 3; ++extra) {
    const grouped = parts(format, 10 ** (first + extra - 1)).some((p) => p.type === 'group');
    if (grouped) return extra;
  }
  return 1;
}

export function localeSymbols(locale) {
  let format;
  try {
    format = new Intl.NumberFormat(locale, { useGrouping: true });
  } catch {
    format = new Intl.NumberFormat('en-US');
  }
  const options = format.resolvedOptions();
  const sample = parts(format, -1234567.5);
  const sizes = groupSizes(format);
  const signed = new Intl.NumberFormat(options.locale, {
    numberingSystem: options.numberingSystem,
    signDisplay: 'always',
  });
  const scientific = new Intl.NumberFormat(options.locale, {
    numberingSystem: options.numberingSystem,
    notation: 'scientific',
  });
  const exponent = partOf(parts(scientific, 1000), 'exponentSeparator', 'e').toLowerCase();
  return {
    decimal: partOf(sample, 'decimal', '.'),
    group: sizes.group ? partOf(sample, 'group', ',') : '',
    groupFirst: sizes.first,
    groupHigher: sizes.higher,
    groupMinimum: sizes.group ? groupMinimum(format, sizes.first) : 1,
    zero: format.format(0),
    minus: partOf(sample, 'minusSign', '-'),
    plus: partOf(parts(signed, 1), 'plusSign', '+'),
    // A single letter, as the reader expects; a few languages write "×10^".
    exponent: /^\p{L}$/u.test(exponent) ? exponent : 'e',
  };
}

export function browserLocale() {
  const languages = navigator.languages && navigator.languages.length
    ? navigator.languages : [navigator.language];
  return languages[0] || 'en-US';
}
