// SPDX-License-Identifier: MIT
// The batch panel: a chosen or dropped file through the converter's rows in
// a worker, with progress, Cancel, the failed rows and the result to save.

import { $ } from './dialogs.js';

let worker = null;
let spare = null;
let file = null;
let download = '';
let core = null;

// "samples.csv" gives "samples-converted.csv".
export function resultName(name) {
  const dot = name.lastIndexOf('.');
  return dot > 0 ? `${name.slice(0, dot)}-converted${name.slice(dot)}` : `${name}-converted`;
}

function unitList(id, units, notGiven) {
  $(id).replaceChildren(new Option(notGiven, ''), ...units.filter((u) => u).map((u) => new Option(u, u)));
}

function options() {
  const optional = (id) => $(id).value === '' ? undefined : $(id).value;
  const tsv = $('batchTsv').checked;
  return {
    fromUnit: optional('batchFrom'),
    toUnit: optional('batchTo'),
    density: $('batchDensity').value.trim() === '' ? undefined : $('batchDensity').value.trim(),
    densityUnit: optional('batchDensityUnit'),
    header: $('batchHeader').checked,
    resultName: $('batchResultName').value || undefined,
    fileName: file ? file.name : '',
    tsv,
    delimiter: tsv ? undefined : optional('batchDelimiter'),
    valueColumn: 0,
    // Plain numbers, as tarnwick-convert writes them by default.
    symbols: null,
  };
}

function setRunning(running) {
  $('batchStart').disabled = running || !file;
  $('batchCancel').disabled = !running;
  $('batchFile').disabled = running;
}

// A worker is started as soon as a file is chosen, so that its core has
// compiled by the time Convert is pressed.
function newWorker() {
  const started = new Worker(new URL('./batch-worker.js', import.meta.url), { type: 'module' });
  // One that failed to load before Convert was pressed is not used.
  started.onerror = () => { started.failed = true; };
  return started;
}

function choose(chosen) {
  file = chosen || null;
  if (file && !spare) spare = newWorker();
  if (file && core.isTabSeparatedName(file.name)) $('batchTsv').checked = true;
  $('batchDelimiter').disabled = $('batchTsv').checked;
  $('batchStatus').textContent = file ? `${file.name}: ${file.size.toLocaleString()} bytes.` : '';
  setRunning(false);
}

function finish(data, name) {
  worker.terminate();
  worker = null;
  setRunning(false);
  $('batchProgress').value = 1;
  if (data.error) {
    $('batchStatus').textContent = `The file could not be converted: ${data.error}`;
    return;
  }
  const { summary, failures, reported } = data;
  if (summary.status === core.defaults().status.cannotRun) {
    $('batchStatus').textContent = failures.length ? failures[0].message : 'The options cannot be used.';
    return;
  }
  download = URL.createObjectURL(data.result);
  const link = $('batchDownload');
  link.href = download;
  link.download = resultName(name);
  link.textContent = `Download ${link.download}`;
  link.hidden = false;
  const rows = `${summary.rows.toLocaleString()} rows converted`;
  $('batchStatus').textContent = (summary.failed
    ? `${rows}; ${summary.failed.toLocaleString()} failed (their result is left empty).`
    : `${rows}; none failed.`) + (summary.note ? ` Note: ${summary.note}` : '');
  $('batchFailures').replaceChildren(...failures.map(({ line, message }) => {
    const item = document.createElement('li');
    item.textContent = `Line ${line}: ${message}`;
    return item;
  }));
  if (reported > failures.length) {
    const more = document.createElement('li');
    more.textContent = `… and ${(reported - failures.length).toLocaleString()} more.`;
    $('batchFailures').append(more);
  }
}

function run() {
  if (!file || worker) return;
  if (download) URL.revokeObjectURL(download);
  download = '';
  $('batchDownload').hidden = true;
  $('batchFailures').replaceChildren();
  $('batchProgress').value = 0;
  $('batchStatus').textContent = `Converting ${file.name}…`;
  const name = file.name;
  worker = spare && !spare.failed ? spare : newWorker();
  spare = null;
  worker.onmessage = ({ data }) => {
    if (data.progress !== undefined) $('batchProgress').value = data.progress;
    else finish(data, name);
  };
  worker.onerror = (event) => finish({ error: event.message || 'the worker stopped' }, name);
  setRunning(true);
  worker.postMessage({ file, options: options() });
}

function cancel() {
  if (!worker) return;
  worker.terminate();
  worker = null;
  setRunning(false);
  $('batchProgress').value = 0;
  $('batchStatus').textContent = 'Cancelled; nothing was written.';
}

export function start(context) {
  core = context.core;
  const defaults = core.defaults();
  unitList('batchFrom', context.viscosityUnits, '(not given)');
  unitList('batchTo', context.viscosityUnits, '(not given)');
  unitList('batchDensityUnit', context.densityUnits, `(not given: ${defaults.densityUnit})`);
  $('batchDensity').placeholder = defaults.density;
  $('batchResultName').value = defaults.resultName;
  $('batchFile').addEventListener('change', () => choose($('batchFile').files[0]));
  $('batchTsv').addEventListener('change', () => {
    $('batchDelimiter').disabled = $('batchTsv').checked;
  });
  $('batchStart').addEventListener('click', run);
  $('batchCancel').addEventListener('click', cancel);
  const drop = $('batchDrop');
  drop.addEventListener('dragover', (event) => {
    event.preventDefault();
    drop.classList.add('over');
  });
  drop.addEventListener('dragleave', () => drop.classList.remove('over'));
  drop.addEventListener('drop', (event) => {
    event.preventDefault();
    drop.classList.remove('over');
    const dropped = event.dataTransfer.files[0];
    if (dropped && !worker) choose(dropped);
  });
}
