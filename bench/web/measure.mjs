// SPDX-License-Identifier: MIT
// Benchmarks of the web edition (not tests): the bytes of a first visit, the
// time until Calculate works, and a batch of ROWS rows in the browser against
// tarnwick-convert --batch on the same file, with the page's peak memory.
//   node bench/web/measure.mjs SITE_DIR CONVERTER [ROWS]
// Needs tests/web's npm packages (npm ci there) and Debian's Chromium.
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath, pathToFileURL } from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const { chromium } = await import(pathToFileURL(
  path.join(root, 'tests/web/node_modules/@playwright/test/index.mjs')).href);
const [site, converter, rowsText = '1000000'] = process.argv.slice(2);
const rows = Number(rowsText);
const port = 8790;
const args = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run'];

// 1. Every file of the site (the service worker fetches them all on a first
// visit), each as a static host sends it: gzip where that makes it smaller.
let raw = 0;
let sent = 0;
for (const name of fs.readdirSync(site, { recursive: true })) {
  const file = path.join(site, name);
  if (!fs.statSync(file).isFile()) continue;
  const bytes = fs.readFileSync(file);
  raw += bytes.length;
  sent += Math.min(bytes.length, zlib.gzipSync(bytes, { level: 9 }).length);
}
console.log(`first visit: ${raw} bytes in the site, ${sent} bytes sent gzip-compressed`);

const serve = (folder, at) => spawn('python3', ['-m', 'http.server', String(at),
  '--bind', '127.0.0.1', '--directory', folder], { stdio: 'ignore' });
const server = serve(site, port);
// The floor for the start: a bare page whose one module script marks at once.
const bareSite = fs.mkdtempSync(path.join(os.tmpdir(), 'tarnwick-bare-'));
fs.writeFileSync(path.join(bareSite, 'index.html'), '<!DOCTYPE html><html lang="en"><head>' +
  '<meta charset="utf-8"><title>Bare</title><script type="module" src="bare.js"></script>' +
  '</head><body><p>Bare</p></body></html>');
fs.writeFileSync(path.join(bareSite, 'bare.js'), "performance.mark('tarnwick-calculate-ready');\n");
const bareServer = serve(bareSite, port + 1);
await new Promise((r) => setTimeout(r, 800));
let browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args });
try {
  // 2. Navigation start until the Calculate button is wired, cold and warm.
  const times = { cold: [], warm: [], bare: [] };
  const ready = (page) => page.waitForFunction(() =>
    performance.getEntriesByName('tarnwick-calculate-ready')[0]?.startTime);
  const mark = (page) => page.evaluate(() =>
    performance.getEntriesByName('tarnwick-calculate-ready')[0].startTime);
  for (let i = 0; i < 7; ++i) {
    let context = await browser.newContext();
    let page = await context.newPage();
    for (const kind of ['cold', 'warm']) {
      await page.goto(`http://127.0.0.1:${port}/`);
      await page.waitForSelector('html[data-ready]');
      times[kind].push(await mark(page));
    }
    await context.close();
    context = await browser.newContext();
    page = await context.newPage();
    await page.goto(`http://127.0.0.1:${port + 1}/`);
    times.bare.push(await (await ready(page)).jsonValue());
    await context.close();
  }
  const median = (list) => list.sort((a, b) => a - b)[list.length >> 1].toFixed(1);
  console.log(`Calculate works after: ${median(times.cold)} ms first visit, ` +
    `${median(times.warm)} ms from the cache; a bare page's script runs after ` +
    `${median(times.bare)} ms (medians of 7, in turn)`);

  // 3. A batch of random rows in the browser and in the converter.
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tarnwick-bench-'));
  const input = path.join(work, 'rows.csv');
  const units = ['cP', 'Pa.s', 'Poise', 'cSt', 'mm^2/s', 'ft^2/h', 'lbf.s/ft^2'];
  const lines = ['value,from,to,density,density_unit'];
  let seed = 1;
  const random = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
  for (let i = 0; i < rows; ++i) {
    lines.push(`${(random() * 1000).toFixed(4)},${units[i % 7]},${units[(i * 3 + 1) % 7]},` +
      `${(0.5 + random()).toFixed(3)},g/cm^3`);
  }
  fs.writeFileSync(input, lines.join('\n') + '\n');
  const expected = path.join(work, 'expected.csv');
  const convert = () => {
    const start = performance.now();
    try {
      execFileSync(converter, ['--batch', '--header', input],
        { stdio: ['ignore', fs.openSync(expected, 'w'), 'ignore'] });
    } catch (error) {
      if (error.status !== 1) throw error;
    }
    return performance.now() - start;
  };

  // A browser of its own with a profile on disk, as a visitor has: a private
  // window would keep the site's file storage in memory.
  await browser.close();
  const context = await chromium.launchPersistentContext(path.join(work, 'profile'),
    { executablePath: '/usr/bin/chromium', args, acceptDownloads: true });
  browser = context;
  const page = await context.newPage();
  await page.goto(`http://127.0.0.1:${port}/`);
  await page.waitForSelector('html[data-ready]');
  await page.check('#batchHeader');
  let peaks = new Map();
  const measure = () => {
    for (const pid of fs.readdirSync('/proc').filter((p) => /^\d+$/.test(p))) {
      try {
        const cmd = fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8');
        if (!cmd.includes('chromium')) continue;
        const rss = Number(/VmRSS:\s+(\d+)/.exec(fs.readFileSync(`/proc/${pid}/status`, 'utf8'))[1]);
        const kind = cmd.includes('--type=renderer') ? 'renderer' : cmd.includes('--type=') ? 'other' : 'browser';
        peaks.set(kind, Math.max(peaks.get(kind) || 0, rss));
      } catch { /* the process has ended */ }
    }
  };
  for (let i = 0; i < 5; ++i, await new Promise((r) => setTimeout(r, 50))) measure();
  const before = peaks;
  peaks = new Map();
  // Three rounds, the converter and the page in turn; each round chooses the
  // file again, as a visitor does before pressing Convert.
  const runs = { native: [], web: [] };
  for (let round = 0; round < 3; ++round) {
    runs.native.push(convert());
    await page.setInputFiles('#batchFile', input);
    const sample = setInterval(measure, 50);
    // Timed in the page, from the click until the link is shown: waiting
    // for the link from here polls, at up to half a second between looks.
    runs.web.push(await page.evaluate(() => new Promise((resolve) => {
      const link = document.getElementById('batchDownload');
      const start = performance.now();
      new MutationObserver((changes, observer) => {
        if (link.hidden) return;
        observer.disconnect();
        resolve(performance.now() - start);
      }).observe(link, { attributes: true, attributeFilter: ['hidden'] });
      document.getElementById('batchStart').click();
    })));
    clearInterval(sample);
  }
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#batchDownload')]);
  const same = fs.readFileSync(await download.path()).equals(fs.readFileSync(expected));
  const native = Number(median(runs.native));
  const web = Number(median(runs.web));
  console.log(`batch of ${rows} rows (${fs.statSync(input).size} bytes), medians of 3: converter ` +
    `${native.toFixed(0)} ms, browser ${web.toFixed(0)} ms (${(web / native).toFixed(2)} x); ` +
    `output identical: ${same}`);
  const mib = (map, kind) => `${((map.get(kind) || 0) / 1024).toFixed(0)} MiB`;
  console.log(`resident memory, before the run -> peak during it: renderer (page and worker) ` +
    `${mib(before, 'renderer')} -> ${mib(peaks, 'renderer')}, browser process ` +
    `${mib(before, 'browser')} -> ${mib(peaks, 'browser')}`);
  await context.close();
  browser = null;
  fs.rmSync(work, { recursive: true, force: true });
} finally {
  if (browser) await browser.close();
  server.kill();
  bareServer.kill();
  fs.rmSync(bareSite, { recursive: true, force: true });
}
