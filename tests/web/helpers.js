// SPDX-License-Identifier: MIT
// What the browser tests share: opening the page, typing the five inputs,
// and reading the message box.
import { expect } from '@playwright/test';

export async function open(page, address = './') {
  await page.goto(address);
  await expect(page.locator('html')).toHaveAttribute('data-ready', 'true');
}

// Inputs as a row of a table: texts for the boxes, names (or an index) for the lists.
export async function enter(page, row) {
  const boxes = { value: '#convertText', density: '#densityText' };
  const lists = { from: '#convCombo', to: '#toCombo', unit: '#densityCombo' };
  for (const [key, selector] of Object.entries(boxes)) {
    if (row[key] !== undefined) await page.fill(selector, row[key]);
  }
  for (const [key, selector] of Object.entries(lists)) {
    if (row[key] === undefined) continue;
    const choice = typeof row[key] === 'number' ? { index: row[key] } : { label: row[key] };
    await page.selectOption(selector, choice);
  }
}

// The text of the message box that is showing, after checking what it is.
export async function message(page) {
  const box = page.getByRole('alertdialog');
  await expect(box).toBeVisible();
  await expect(box.locator('.caption')).toHaveText('Tarnwick');
  await expect(box.getByRole('button')).toHaveCount(1);
  return page.locator('#messageText').evaluate((node) => node.textContent);
}

export async function focused(page) {
  return page.evaluate(() => document.activeElement && document.activeElement.id);
}

// Once the service worker has kept every file and serves the page.
export async function keptOffline(page) {
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((r) => navigator.serviceWorker.addEventListener('controllerchange', r));
    }
  });
}
