// SPDX-License-Identifier: MIT
// Converts a file's rows off the page's thread, reading and writing it in
// slices so that a file of any size needs the same few megabytes.
import createTarnwickCore from './tarnwick-core.js';

const corePromise = createTarnwickCore();
const outputSlice = 1 << 20;

self.onmessage = async ({ data: { file, options } }) => {
  const core = await corePromise;
  const reader = new FileReaderSync();
  const parts = [];
  let buffer = new Uint8Array(outputSlice);
  let filled = 0;
  let offset = 0;
  let lastReport = 0;
  const failures = [];
  let failed = 0;

  // Full slices become blobs, which the browser may keep out of this
  // process's memory.
  function flush() {
    if (filled === 0) return;
    parts.push(new Blob([buffer.subarray(0, filled)]));
    buffer = new Uint8Array(outputSlice);
    filled = 0;
  }
  function write(bytes) {
    if (filled + bytes.length > buffer.length) flush();
    if (bytes.length > buffer.length) {
      parts.push(new Blob([bytes.slice()]));
      return;
    }
    buffer.set(bytes, filled);
    filled += bytes.length;
  }
  function read(max) {
    const end = Math.min(file.size, offset + max);
    const chunk = new Uint8Array(reader.readAsArrayBuffer(file.slice(offset, end)));
    offset = end;
    const now = performance.now();
    if (now - lastReport > 100) {
      lastReport = now;
      self.postMessage({ progress: file.size ? offset / file.size : 1 });
    }
    return chunk;
  }
  function report(line, message) {
    ++failed;
    // The first thousand are listed; the count says how many there were.
    if (failures.length < 1000) failures.push({ line, message });
  }

  const batch = new core.Batch(options);
  let summary;
  try {
    summary = batch.run(read, write, report);
  } catch (error) {
    self.postMessage({ error: String(error && error.message ? error.message : error) });
    return;
  } finally {
    batch.delete();
  }
  flush();
  self.postMessage({
    done: true,
    summary: { status: summary.status, rows: summary.rows, failed: summary.failed, note: summary.note },
    failures,
    reported: failed,
    result: new Blob(parts, { type: options.tsv ? 'text/tab-separated-values' : 'text/csv' }),
  });
};
