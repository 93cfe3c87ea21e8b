// SPDX-License-Identifier: MIT
// Converts a file's rows off the page's thread, reading the input in slices
// and writing the result to a file of the site's private storage, so that a
// file of any size needs the same few megabytes.
import createTarnwickCore from './tarnwick-core.js';

const corePromise = createTarnwickCore();
const inputSlice = 4 << 20;
const outputSlice = 1 << 20;

// The result on disk, in the origin's private file system; where a browser
// has none, in blobs, which the browser may keep out of this process.
async function diskOutput() {
  try {
    const root = await navigator.storage.getDirectory();
    for await (const name of root.keys()) {
      if (name.startsWith('batch-')) await root.removeEntry(name).catch(() => {});
    }
    const handle = await root.getFileHandle(`batch-${Date.now()}`, { create: true });
    const access = await handle.createSyncAccessHandle();
    let at = 0;
    return {
      put(bytes) {
        at += access.write(bytes, { at });
      },
      async result() {
        access.flush();
        access.close();
        return handle.getFile();
      },
    };
  } catch {
    return null;
  }
}

function blobOutput(type) {
  const parts = [];
  return {
    put(bytes) {
      parts.push(new Blob([bytes]));
    },
    async result() {
      return new Blob(parts, { type });
    },
  };
}

self.onmessage = async ({ data: { file, options } }) => {
  const core = await corePromise;
  const tsv = options.tsv || core.isTabSeparatedName(options.fileName || '');
  const output = (await diskOutput()) || blobOutput(tsv ? 'text/tab-separated-values' : 'text/csv');
  const reader = new FileReaderSync();
  const buffer = new Uint8Array(outputSlice);
  let filled = 0;
  let offset = 0;
  let lastReport = 0;
  const failures = [];
  let failed = 0;

  // Bytes are gathered into slices of a megabyte before they are stored;
  // both outputs copy what they are given.
  function flush() {
    if (filled === 0) return;
    output.put(buffer.subarray(0, filled));
    filled = 0;
  }
  function write(bytes) {
    if (filled + bytes.length > buffer.length) flush();
    if (bytes.length > buffer.length) {
      output.put(bytes.slice());
      return;
    }
    buffer.set(bytes, filled);
    filled += bytes.length;
  }
  // The file is read in slices of a few megabytes: each read of a slice is
  // a round trip to the browser, far slower than handing out its bytes.
  let slice = new Uint8Array(0);
  let taken = 0;
  function read(max) {
    if (taken === slice.length) {
      const end = Math.min(file.size, offset + inputSlice);
      slice = new Uint8Array(reader.readAsArrayBuffer(file.slice(offset, end)));
      taken = 0;
      offset = end;
      const now = performance.now();
      if (now - lastReport > 100) {
        lastReport = now;
        self.postMessage({ progress: file.size ? offset / file.size : 1 });
      }
    }
    const chunk = slice.subarray(taken, taken + max);
    taken += chunk.length;
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
    flush();
  } catch (error) {
    self.postMessage({ error: String(error && error.message ? error.message : error) });
    return;
  } finally {
    batch.delete();
  }
  self.postMessage({
    done: true,
    summary: { status: summary.status, rows: summary.rows, failed: summary.failed, note: summary.note },
    failures,
    reported: failed,
    result: await output.result(),
  });
};
