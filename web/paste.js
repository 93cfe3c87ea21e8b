// SPDX-License-Identifier: MIT
// A pasted column: each line converted with the calculator's units and
// density, the results one a line in the same order, ready to paste back.

import { $ } from './dialogs.js';

const encoder = new TextEncoder();
const decoder = new TextDecoder();

// Runs the converter's batch rows over the text, tab-separated as a
// spreadsheet copies them, and returns each line's result and message.
export function convertLines(core, text, given, symbols) {
  const input = encoder.encode(text.endsWith('\n') || text === '' ? text : text + '\n');
  let offset = 0;
  const output = [];
  const messages = new Map();
  const batch = new core.Batch({
    fromUnit: given.fromUnit,
    toUnit: given.toUnit,
    density: given.density,
    densityUnit: given.densityUnit,
    header: false,
    tsv: true,
    delimiter: undefined,
    valueColumn: 0,
    symbols,
  });
  let summary;
  try {
    summary = batch.run(
      (max) => {
        const chunk = input.subarray(offset, offset + max);
        offset += chunk.length;
        return chunk;
      },
      (bytes) => output.push(decoder.decode(bytes, { stream: true })),
      (line, message) => messages.set(line, message),
    );
  } finally {
    batch.delete();
  }
  if (summary.status === core.defaults().status.cannotRun) return { problem: messages.get(0) || 'The options cannot be used.' };
  const lines = (output.join('') + decoder.decode()).split(/\r?\n/);
  const count = text === '' ? 0 : text.replace(/\r?\n$/, '').split(/\r?\n/).length;
  const results = [];
  const notes = [];
  for (let i = 0; i < count; ++i) {
    const fields = (lines[i] || '').split('\t');
    results.push(fields.length > 1 ? fields[fields.length - 1] : '');
    notes.push(messages.get(i + 1) || '');
  }
  return { results, notes };
}

export function start({ core, symbols, inputs }) {
  let timer = 0;
  function update() {
    timer = 0;
    const outcome = convertLines(core, $('pasteIn').value, inputs(), symbols);
    if (outcome.problem) {
      $('pasteOut').value = '';
      $('pasteNotes').textContent = outcome.problem;
      return;
    }
    $('pasteOut').value = outcome.results.join('\n');
    $('pasteNotes').textContent = outcome.notes.join('\n');
  }
  function later() {
    if (!timer) timer = setTimeout(update, 120);
  }
  $('pasteIn').addEventListener('input', later);
  for (const id of ['convCombo', 'toCombo', 'densityCombo', 'densityText']) {
    $(id).addEventListener('change', later);
  }
  // Scrolling the values scrolls their results and messages with them.
  $('pasteIn').addEventListener('scroll', () => {
    $('pasteOut').scrollTop = $('pasteIn').scrollTop;
    $('pasteNotes').scrollTop = $('pasteIn').scrollTop;
  });
  if ($('pasteIn').value) update();
}
