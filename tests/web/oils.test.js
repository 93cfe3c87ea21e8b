// SPDX-License-Identifier: MIT
// The oil panel: loaded only when opened; every question with the
// converter's answers and messages, in two languages, by keyboard alone,
// offline, on a phone, and clean under axe-core. Expected values are the
// converter's contract rows (tests/cli/contract/oils.rows) or worked by hand
// (Python: the Saybolt equation solved by bisection, the other scales'
// formulas solved for the reading).
import { test, expect } from '@playwright/test';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { open, message, focused, keptOffline } from './helpers.js';

const here = path.dirname(fileURLToPath(import.meta.url));

async function openPanel(page) {
  await open(page);
  await page.click('#oilToggle');
  await expect(page.locator('#oilBody')).toBeVisible();
}

// Fills the boxes in order and presses Enter in the last.
async function ask(page, fields) {
  const entries = Object.entries(fields);
  for (const [id, text] of entries) {
    if (id.startsWith('blendAsk')) await page.check(`#${id}`);
    else if (id === 'scaleUnit') await page.selectOption('#scaleUnit', text);
    else await page.fill(`#${id}`, text);
  }
  await page.press(`#${entries.filter(([id]) => !/Ask|Unit/.test(id)).pop()[0]}`, 'Enter');
}

const line = { vtT1: '40C', vtV1: '32', vtT2: '100C', vtV2: '5.4' };

const rows = [
  { name: '700 SUS on every scale', ask: { scaleValue: '700', scaleUnit: 'SUS' },
    table: [['cSt', '151.08914752'], ['SFS', '72.01429193'], ['Redwood 1', '612.02770511'],
      ['Redwood 2', '62.12321067'], ['deg Engler', '20.71050940']] },
  { name: 'a scale that refuses the value says so in its place', ask: { scaleValue: '1.1', scaleUnit: 'deg Engler' },
    table: [['cSt', '2.30463636'], ['SUS', '33.63569943'], ['SFS', 'Saybolt Furol seconds below 25 are not defined'],
      ['Redwood 1', 'Redwood No. 1 seconds below 34 are not defined'], ['Redwood 2', 'Redwood No. 2 seconds below 32.5 are not defined']] },
  { name: 'SFS at 150F is refused in its place', ask: { scaleValue: '700', scaleUnit: 'SUS', scaleAt: '150F' },
    cells: { SFS: 'Saybolt Furol seconds are defined at 122 F and 210 F only' } },
  { name: 'a reading below its limit', ask: { scaleValue: '31', scaleUnit: 'SUS' },
    says: 'Saybolt Universal seconds below 32 are not defined', focus: 'scaleValue' },
  { name: 'an SFS reading at another temperature', ask: { scaleValue: '100', scaleUnit: 'SFS', scaleAt: '150F' },
    says: 'Saybolt Furol seconds are defined at 122 F and 210 F only', focus: 'scaleValue' },
  { name: 'a temperature without its scale', ask: { scaleValue: '100', scaleUnit: 'SUS', scaleAt: '210' },
    says: "At takes a temperature such as 40C, 210F or 372.04K, not '210'", focus: 'scaleAt' },
  { name: 'the viscosity at 60C and where it is 10 cSt', ask: { ...line, vtT: '60C', vtReach: '10' },
    shows: { vtResult: '15.18589283 cSt', vtReachResult: '73.99807796C' } },
  { name: 'only where it is 10 cSt', ask: { ...line, vtT: '', vtReach: '10' },
    shows: { vtResult: '', vtReachResult: '73.99807796C' } },
  { name: 'equal temperatures', ask: { ...line, vtT2: '40C', vtT: '60C' },
    says: 'the two temperatures must differ', focus: 'vtButton' },
  { name: 'a temperature that is no temperature names its box', ask: { ...line, vtT2: '100', vtT: '60C' },
    says: "T2 takes a temperature such as 40C, 210F or 372.04K, not '100'", focus: 'vtT2' },
  { name: "the standard's first example", ask: { viV40: '73.30', viV100: '8.86' },
    shows: { viResult: '92', vgResult: 'ISO VG 68' } },
  { name: "the standard's procedure B example", ask: { viV40: '22.83', viV100: '5.05' },
    shows: { viResult: '156', vgResult: 'ISO VG 22' } },
  { name: 'an oil between grades', ask: { viV40: '53.47', viV100: '7.80' },
    shows: { viResult: '111', vgResult: 'no ISO VG grade: between ISO VG 46 and ISO VG 68' } },
  { name: 'V100 below 2 keeps the grade', ask: { viV40: '10', viV100: '1.5' },
    says: 'the viscosity index is not defined below 2 cSt at 100 C', focus: 'viButton',
    shows: { viResult: '', vgResult: 'ISO VG 10' } },
  { name: 'a V40 that is no number', ask: { viV40: 'abc', viV100: '8.86' },
    says: "V40 takes a number, not 'abc'", focus: 'viV40', shows: { vgResult: '' } },
  { name: 'a half-and-half blend', ask: { blendV1: '10', blendV2: '100', blendAskViscosity: '', blendFraction: '0.5' },
    shows: { blendResult: '26.67240611 cSt' } },
  { name: 'the fraction for a target', ask: { blendV1: '10', blendV2: '100', blendAskFraction: '', blendTarget: '30' },
    shows: { blendResult: '0.55124835 (mass fraction of oil 2)' } },
  { name: 'a target outside the two oils', ask: { blendV1: '10', blendV2: '100', blendAskFraction: '', blendTarget: '5' },
    says: "the target viscosity must lie between the two oils' viscosities", focus: 'blendButton' },
  { name: 'a fraction above one', ask: { blendV1: '10', blendV2: '100', blendAskViscosity: '', blendFraction: '1.5' },
    says: 'the mass fraction must lie between 0 and 1', focus: 'blendButton' },
];

for (const row of rows) {
  test(`oils: ${row.name}`, async ({ page }) => {
    await openPanel(page);
    await ask(page, row.ask);
    if (row.says) {
      expect(await message(page)).toBe(row.says);
      await page.keyboard.press('Enter');
      await expect.poll(() => focused(page)).toBe(row.focus);
    }
    for (const [id, text] of Object.entries(row.shows || {})) await expect(page.locator(`#${id}`)).toHaveText(text);
    if (row.table) {
      const got = await page.locator('#scaleResult tr').evaluateAll((trs) => trs.map((tr) => [...tr.cells].map((c) => c.textContent)));
      expect(got).toEqual(row.table);
    }
    for (const [scale, text] of Object.entries(row.cells || {})) {
      await expect(page.locator('#scaleResult tr', { hasText: scale }).locator('td')).toHaveText(text);
    }
  });
}

test.describe(() => {
  test.use({ locale: 'de-DE' });
  test('oils: numbers in German', async ({ page }) => {
    await openPanel(page);
    await ask(page, { ...line, vtV2: '5,4', vtT: '60C', vtReach: '10' });
    await expect(page.locator('#vtResult')).toHaveText('15,18589283 cSt');
    await expect(page.locator('#vtReachResult')).toHaveText('73,99807796C');
    await ask(page, { viV40: '73,30', viV100: '8,86' });
    await expect(page.locator('#viResult')).toHaveText('92');
    await ask(page, { scaleValue: '700' });
    await expect(page.locator('#scaleResult td').first()).toHaveText('151,08914752');
  });
});

test('oils: nothing of the panel is fetched before it is opened', async ({ page }) => {
  const requests = [];
  page.on('request', (request) => requests.push(new URL(request.url()).pathname));
  await open(page);
  await page.waitForTimeout(300);
  expect(requests.filter((p) => /oil/.test(p))).toEqual([]);
  await expect(page.locator('#oilBody')).toBeHidden();
  await page.click('#oilToggle');
  await expect(page.locator('#oilBody')).toBeVisible();
  expect(requests.filter((p) => /oil/.test(p)).sort())
    .toEqual(['/oilchart.js', '/oils.css', '/oils.js', '/tarnwick-oils.js', '/tarnwick-oils.wasm']);
  await expect(page.locator('#oilToggle')).toHaveAttribute('aria-expanded', 'true');
  await page.click('#oilToggle');
  await expect(page.locator('#oilBody')).toBeHidden();
});

test('oils: by keyboard alone, with the chart and its text', async ({ page }) => {
  await open(page);
  await page.focus('#batchDelimiter'); // the last control before the panel that takes the focus
  await page.keyboard.press('Tab');
  expect(await focused(page)).toBe('oilToggle');
  await page.keyboard.press('Enter');
  await expect(page.locator('#oilBody')).toBeVisible();
  const steps = [['scaleValue'], ['scaleUnit'], ['scaleAt'], ['scaleButton'], ['vtT1', '40C'], ['vtV1', '32'],
    ['vtT2', '100C'], ['vtV2', '5.4'], ['vtT', '60C']];
  for (const [id, text] of steps) {
    await page.keyboard.press('Tab');
    expect(await focused(page)).toBe(id);
    if (text) await page.keyboard.type(text);
  }
  await page.keyboard.press('Enter');
  await expect(page.locator('#vtResult')).toHaveText('15.18589283 cSt');
  const chart = page.getByRole('img', { name: /log-log/ });
  await expect(chart).toHaveAccessibleName("Viscosity against temperature on ASTM D341's log-log scales: a straight line " +
    'through 32 cSt at 40C, 5.4 cSt at 100C, 15.18589283 cSt at 60C.');
  await expect(chart.locator('circle')).toHaveCount(3);
});

test('oils: the panel works offline after one visit', async ({ page, context }) => {
  await open(page);
  await keptOffline(page);
  await context.setOffline(true);
  await page.reload();
  await expect(page.locator('html')).toHaveAttribute('data-ready', 'true');
  await page.click('#oilToggle');
  await ask(page, { viV40: '73.30', viV100: '8.86' });
  await expect(page.locator('#viResult')).toHaveText('92');
});

test.describe(() => {
  test.use({ viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true });
  test('oils: on a 360 px phone nothing scrolls sideways', async ({ page }) => {
    await openPanel(page);
    await ask(page, { ...line, vtT: '60C', vtReach: '10' });
    await ask(page, { scaleValue: '123456789012345678', scaleUnit: 'deg Engler' });
    await expect(page.locator('#vtChart')).toBeVisible();
    expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(360);
  });
});

test.use({ bypassCSP: true }); // axe-core is injected as an inline script
test('oils: axe-core finds no violation with the panel open and answered', async ({ page }) => {
  await openPanel(page);
  await ask(page, { ...line, vtT: '60C', vtReach: '10' });
  await ask(page, { scaleValue: '1.1', scaleUnit: 'deg Engler' });
  await ask(page, { viV40: '53.47', viV100: '7.80' });
  await page.addScriptTag({ path: path.join(here, 'node_modules/axe-core/axe.min.js') });
  const violations = await page.evaluate(async () => (await window.axe.run(document)).violations
    .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
  expect(violations).toEqual([]);
});
