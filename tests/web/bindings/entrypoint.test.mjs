// SPDX-License-Identifier: MIT
// The web page's entry point to the core, under node: the contract's
// answers for a few rows, and the converter's golden batch file through
// Batch, byte for byte.
//   TARNWICK_SITE=build/wasm/site node --test tests/web/bindings/
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const site = process.env.TARNWICK_SITE || path.join(here, '../../../build/wasm/site');
const golden = path.join(here, '../../cli/golden');

// The module is built for browsers only; node hands it the wasm bytes
// itself instead of letting it fetch them.
const { default: createTarnwickCore } = await import(pathToFileURL(path.join(site, 'tarnwick-core.js')));
const core = await createTarnwickCore({ wasmBinary: fs.readFileSync(path.join(site, 'tarnwick-core.wasm')) });
const plain = core.plainSymbols();
const de = { ...plain, decimal: ',', group: '.' };

test('calculate gives the window\'s result or its message and the input at fault', () => {
  const inputs = { value: '1', fromUnit: 'cP', toUnit: 'cSt', density: '50', densityUnit: 'lb/ft^3' };
  const rows = [
    ['1 cP is 1.24843945 cSt at 50 lb/ft^3', {}, plain,
      { ok: true, text: '1.24843945', value: 1.2484394506866419 }],
    ['a German result is grouped with points', { fromUnit: 'Pa.s', toUnit: 'cP' }, de,
      { ok: true, text: '1.000,00000000', value: 1000 }],
    ['a bad density is reported before a negative value', { value: '-1', density: '5O' }, plain,
      { ok: false, input: 'density', message: 'Density input value is invalid' }],
    ['an empty density unit keeps the trailing blank', { densityUnit: '' }, plain,
      { ok: false, input: 'densityUnit', message: 'Density unit is not specified. ' }],
    ['an unknown unit name gets its nearest entry', { toUnit: 'CST' }, plain,
      { ok: false, input: 'toUnit', message: 'unknown viscosity unit "CST" (did you mean "cSt"?)' }],
    ['145 deg Baume cannot be computed', { density: '145', densityUnit: 'deg Baume' }, plain,
      { ok: false, input: '', message: 'The result cannot be computed: division by zero.' }],
  ];
  for (const [name, change, symbols, expected] of rows)
    assert.deepEqual({ ...core.calculate({ ...inputs, ...change }, symbols) }, expected, name);
});

test('convertDensity checks and converts a density alone', () => {
  const rows = [
    ['10 deg Baume', { value: '10', fromUnit: 'deg Baume', toUnit: 'g/cm^3' },
      { ok: true, text: '1.07407407', value: 1.0740740740740742 }],
    ['a negative density', { value: '-1', fromUnit: 'g/cm^3', toUnit: 'kg/m^3' },
      { ok: false, input: 'value', message: 'Input Error: Density input value is zero or negative' }],
    ['no to unit', { value: '1', fromUnit: 'g/cm^3', toUnit: '' },
      { ok: false, input: 'toUnit', message: 'Density unit is not specified. ' }],
    ['145 deg Baume', { value: '145', fromUnit: 'deg Baume', toUnit: 'deg API' },
      { ok: false, input: '', message: 'The result cannot be computed: division by zero.' }],
  ];
  for (const [name, inputs, expected] of rows)
    assert.deepEqual({ ...core.convertDensity(inputs, plain) }, expected, name);
});

test('numbers are written and read under the given symbols', () => {
  assert.equal(core.formatNumber(1000, 8, de), '1.000,00000000');
  assert.equal(core.formatNumber(0.001953125, 8, plain), '0.00195313');
  assert.equal(core.parseNumber('1.000,25', de), 1000.25);
  assert.equal(core.parseNumber('1.5', de), null);
  assert.deepEqual({ ...core.startingTexts(de) }, { value: '1', density: '50,0' });
  assert.throws(() => core.formatNumber(1, 18, plain), RangeError);
});

test('the defaults and the statuses come from the core', () => {
  assert.deepEqual(JSON.parse(JSON.stringify(core.defaults())), {
    density: '50', densityUnit: 'lb/ft^3', resultName: 'result', decimals: 8,
    status: { allConverted: 0, someFailed: 1, cannotRun: 2 },
  });
  const names = [['DATA.TSV', true], ['a.tsv', true], ['.tsv', false], ['data.csv', false]];
  for (const [name, tsv] of names) assert.equal(core.isTabSeparatedName(name), tsv, name);
});

// Runs a batch on input, read in slices of at most `slice` bytes.
function runBatch(options, input, slice) {
  const written = [];
  const reported = [];
  let offset = 0;
  const batch = new core.Batch(options);
  try {
    const summary = batch.run(
      (max) => input.subarray(offset, (offset += Math.min(max, slice))),
      (bytes) => written.push(Buffer.from(bytes)),
      (line, message) => reported.push(`line ${line}: ${message}`));
    return { summary: { ...summary }, output: Buffer.concat(written), reported };
  } finally {
    batch.delete();
  }
}

test('Batch writes the golden file byte for byte, in slices of any size', () => {
  const input = fs.readFileSync(path.join(golden, 'samples.csv'));
  const expected = fs.readFileSync(path.join(golden, 'samples-expected.csv'));
  const messages = fs.readFileSync(path.join(golden, 'samples-expected.err'), 'utf8')
    .split('\n').filter((line) => line.includes(': line '))
    .map((line) => line.replace('tarnwick-convert: ', ''));
  const options = { header: true, resultName: 'result, cP', symbols: null };
  for (const slice of [1, 7, 65536]) {
    const run = runBatch(options, input, slice);
    assert.ok(run.output.equals(expected), `slices of ${slice}:\n${run.output}`);
    assert.deepEqual(run.reported, messages, `slices of ${slice}`);
    assert.deepEqual(run.summary,
      { status: 1, rows: 6, failed: 2, note: 'no density given; using 50 lb/ft^3' });
  }
});

test('Batch reads a file named .TSV in capitals as tab-separated', () => {
  const run = runBatch({ fileName: 'DATA.TSV', toUnit: 'cP' }, Buffer.from('1\tPa.s\n'), 100);
  assert.equal(run.output.toString(), '1\tPa.s\t1000.00000000\n');
});

test('Batch refuses options no row could use, writing nothing', () => {
  const rows = [
    [{ delimiter: '"' }, 'line 0: Delimiter takes one character other than a quote or a line break, not \'"\''],
    [{ toUnit: 'cp' }, 'line 0: To unit: unknown viscosity unit "cp" (did you mean "cP"?)'],
    [{ density: '0' }, 'line 0: Density: Input Error: Density input value is zero or negative'],
    [{ valueColumn: 1000001 }, 'line 0: Value column takes a whole number from 1 to 1000000, not \'1000001\''],
  ];
  for (const [options, message] of rows) {
    const run = runBatch(options, Buffer.from('1,cP,cSt\n'), 100);
    assert.deepEqual([run.summary.status, run.output.length, run.reported], [2, 0, [message]]);
  }
});
