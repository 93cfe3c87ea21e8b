// SPDX-License-Identifier: MIT
// The web edition in Debian's Chromium, headless, served from the built
// site folder (TARNWICK_SITE, by default build/wasm/site) on the loopback.
import { defineConfig } from '@playwright/test';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const site = process.env.TARNWICK_SITE || path.join(here, '../../build/wasm/site');
const port = Number(process.env.TARNWICK_TEST_PORT || 8765);

export default defineConfig({
  testDir: here,
  testMatch: '*.test.js',
  testIgnore: 'core/**',
  timeout: 30000,
  expect: { timeout: 5000 },
  workers: 2,
  retries: 0,
  reporter: [['list']],
  use: {
    baseURL: `http://127.0.0.1:${port}/`,
    locale: 'en-US',
    viewport: { width: 1280, height: 800 },
    launchOptions: {
      executablePath: '/usr/bin/chromium',
      args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
        '--disable-component-update', '--disable-sync', '--no-first-run'],
    },
  },
  webServer: {
    command: `python3 -m http.server ${port} --bind 127.0.0.1 --directory "${site}"`,
    url: `http://127.0.0.1:${port}/index.html`,
    reuseExistingServer: false,
    stdout: 'ignore',
    stderr: 'ignore',
  },
});
