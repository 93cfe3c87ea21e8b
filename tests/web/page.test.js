// SPDX-License-Identifier: MIT
// What the page adds to the window, and the page as a whole: About and its
// links, a whole file, a pasted column, a link, offline, layout, axe-core.
import { test, expect } from '@playwright/test';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { open, enter, message, focused, keptOffline } from './helpers.js';

const here = path.dirname(fileURLToPath(import.meta.url));
const golden = path.join(here, '../cli/golden');

// Links are recorded and stopped, never opened.
async function catchLinks(page) {
  await page.addInitScript(() => {
    window.opened = [];
    document.addEventListener('click', (event) => {
      const link = event.target.closest('a');
      if (!link || link.id === 'batchDownload') return;
      window.opened.push(`${link.href} ${link.target || '_self'}`);
      event.preventDefault();
    }, true);
  });
}

const actions = [
  { click: '#OK', opens: [] },
  { click: '#Visit', opens: ['http://www.tarnwick.example/ _blank'] },
  { click: '#Contact', opens: ['mailto:info@tarnwick.example?subject=Enquiry _self'] },
];

for (const row of actions) {
  test(`About: ${row.click} hides the panel and opens ${row.opens[0] || 'nothing'}`, async ({ page }) => {
    await catchLinks(page);
    await open(page);
    await page.click('#Command1');
    const about = page.locator('#About');
    await expect(about).toBeVisible();
    expect(await focused(page)).toBe('OK');
    await expect(page.locator('#Label1')).toHaveText('Version 1.1.0');
    await expect(page.locator('#Visit')).toHaveText('Visit www.tarnwick.example');
    await expect(page.locator('#Contact')).toHaveText('Contact info@tarnwick.example');
    await expect(page.locator('#OK')).toHaveText('Close');
    await page.click('#Command1'); // a second click shows the same panel
    await expect(page.locator('#About')).toHaveCount(1);
    await page.click(row.click);
    await expect(about).toBeHidden();
    expect(await page.evaluate(() => window.opened)).toEqual(row.opens);
  });
}

test('the banner opens the web site in a new tab; the logo does nothing', async ({ page }) => {
  await catchLinks(page);
  await open(page);
  await page.click('#Image1');
  await page.click('#Image2');
  expect(await page.evaluate(() => window.opened)).toEqual(['http://www.tarnwick.example/ _blank']);
});

test('a file through the batch panel comes out as the converter writes it', async ({ page }) => {
  await open(page);
  await page.setInputFiles('#batchFile', path.join(golden, 'samples.csv'));
  await page.check('#batchHeader');
  await page.fill('#batchResultName', 'result, cP');
  await page.click('#batchStart');
  const link = page.locator('#batchDownload');
  await expect(link).toBeVisible();
  await expect(page.locator('#batchFailures li')).toHaveText([
    'Line 5: Viscosity input value is invalid',
    'Line 6: The result cannot be computed: division by zero.',
  ]);
  const [download] = await Promise.all([page.waitForEvent('download'), link.click()]);
  expect(download.suggestedFilename()).toBe('samples-converted.csv');
  const got = fs.readFileSync(await download.path());
  expect(got.equals(fs.readFileSync(path.join(golden, 'samples-expected.csv')))).toBe(true);
});

test('an option no row could use is named as the form labels it', async ({ page }) => {
  await open(page);
  await expect(page.locator('#batchDensity')).toHaveAttribute('placeholder', '50');
  await expect(page.locator('#batchResultName')).toHaveValue('result');
  await page.setInputFiles('#batchFile', path.join(golden, 'samples.csv'));
  await page.fill('#batchDensity', '0');
  await page.click('#batchStart');
  await expect(page.locator('#batchStatus'))
    .toHaveText('Density: Input Error: Density input value is zero or negative');
});

test('Cancel stops a long file at once, and the file can be run again', async ({ page }) => {
  await open(page);
  const rows = '1.5,Poise,cP\n'.repeat(300000);
  await page.setInputFiles('#batchFile', { name: 'long.csv', mimeType: 'text/csv', buffer: Buffer.from(rows) });
  // Pressed in one go: the worker, started when the file was chosen, can
  // finish a file this size before a second click from here arrives.
  await page.evaluate(() => {
    document.getElementById('batchStart').click();
    document.getElementById('batchCancel').click();
  });
  await expect(page.locator('#batchStatus')).toHaveText('Cancelled; nothing was written.');
  await page.waitForTimeout(2500); // longer than the whole file takes
  await expect(page.locator('#batchDownload')).toBeHidden();
  await expect(page.locator('#batchStatus')).toHaveText('Cancelled; nothing was written.');
  await page.click('#batchStart');
  await expect(page.locator('#batchDownload')).toHaveText('Download long-converted.csv', { timeout: 20000 });
  await expect(page.locator('#batchStatus')).toHaveText('300,000 rows converted; none failed.');
});

const pastes = [
  { locale: 'en-US', values: '1\nabc\n2.5\tPoise\tcP\n\n1000',
    results: '1.24843945\n\n250.00000000\n\n1,248.43945069',
    notes: '\nViscosity input value is invalid\n\n\n' },
  { locale: 'de-DE', values: '1\n0\n1000',
    results: '1,24843945\n\n1.248,43945069',
    notes: '\nInput Error: Viscosity input value is zero or negative\n' },
];

for (const row of pastes) {
  test.describe(() => {
    test.use({ locale: row.locale });
    test(`a pasted column under ${row.locale}`, async ({ page }) => {
      await open(page);
      await page.fill('#pasteIn', row.values);
      await expect(page.locator('#pasteOut')).toHaveValue(row.results);
      expect(await page.locator('#pasteNotes').evaluate((n) => n.textContent)).toBe(row.notes);
    });
  });
}

test('Calculate writes the inputs into the address, and the address fills them in', async ({ page }) => {
  await open(page);
  await enter(page, { value: '2.5', from: 'cSt', to: 'cP', density: '0.85', unit: 'g/cm^3' });
  await page.click('#calButton');
  expect(new URL(page.url()).hash).toBe('#v=2.5&from=cSt&to=cP&d=0.85&du=g%2Fcm%5E3');
  await open(page, './#v=2.5&from=Poise&to=cP&d=0.85&du=deg%20API');
  await expect(page.locator('#txtResult')).toHaveValue('250.00000000');
  await expect(page.locator('#convCombo')).toHaveValue('Poise');
  await expect(page.locator('#densityCombo')).toHaveValue('deg API');
  await expect(page.locator('#densityText')).toHaveValue('0.85');
});

const malformed = ['#v=abc&from=cP&to=cSt&d=1&du=g%2Fcm%5E3', '#v=1&from=CP&to=cSt&d=1&du=g%2Fcm%5E3',
  '#v=1&from=cP&to=&d=1&du=g%2Fcm%5E3', '#v=1&from=cP&to=cSt&d=0&du=kg%2Fm%5E3', '#v=1', '#%E0%A4%A', '#v=1&v=2'];

for (const fragment of malformed) {
  test(`a malformed link is ignored: ${fragment}`, async ({ page }) => {
    await open(page, `./${fragment}`);
    await expect(page.locator('#convertText')).toHaveValue('1');
    await expect(page.locator('#txtResult')).toHaveValue('');
    await expect(page.getByRole('alertdialog')).toBeHidden();
  });
}

test('after one visit the page can be installed and works with the network off', async ({ page, context }) => {
  await open(page);
  await keptOffline(page);
  // Test contexts are private windows, which never install; nothing else may stand in the way.
  const { installabilityErrors } = await (await context.newCDPSession(page)).send('Page.getInstallabilityErrors');
  expect(installabilityErrors.map((e) => e.errorId).filter((id) => id !== 'in-incognito')).toEqual([]);
  await context.setOffline(true);
  await page.reload();
  await expect(page.locator('html')).toHaveAttribute('data-ready', 'true');
  await page.click('#calButton');
  await expect(page.locator('#txtResult')).toHaveValue('1.24843945');
});

// Window positions in twips, from the design; 15 twips to a CSS pixel.
const places = [
  ['visConvertForm', 'visConvertForm', 0, 0, 5520, 3780],
  ['visConvertForm', 'Image1', 120, 120, 2250, 645],
  ['visConvertForm', 'Image2', 2390, 120, 3000, 975],
  ['visConvertForm', 'Command1', 120, 780, 2250, 340],
  ['visConvertForm', 'convFrame', 120, 1080, 5270, 2535],
  ['visConvertForm', 'convertLabel', 240, 1300, 855, 255],
  ['visConvertForm', 'densityLabel', 240, 1650, 1815, 255],
  ['visConvertForm', 'toLabel', 240, 2010, 495, 255],
  ['visConvertForm', 'convertText', 2040, 1280, 1455, 315],
  ['visConvertForm', 'densityText', 2040, 1635, 1455, 315],
  ['visConvertForm', 'txtResult', 2040, 1980, 1455, 315],
  ['visConvertForm', 'convCombo', 3540, 1280, 1815, 315],
  ['visConvertForm', 'densityCombo', 3540, 1635, 1815, 315],
  ['visConvertForm', 'toCombo', 3540, 2000, 1815, 315],
  ['visConvertForm', 'calButton', 240, 3000, 1575, 375],
  ['visConvertForm', 'resetButton', 1800, 3000, 1575, 375],
  ['aboutClient', 'OK', 2760, 1080, 1095, 375],
  ['aboutClient', 'Label1', 120, 1320, 975, 255],
  ['aboutClient', 'Visit', 120, 120, null, 255],
  ['aboutClient', 'Contact', 120, 600, null, 255],
];

test('at 1280 × 800 every control stands at its design place', async ({ page }) => {
  await open(page);
  await page.click('#Command1');
  for (const [parent, id, left, top, width, height] of places) {
    const outer = await page.locator(`#${parent}`).boundingBox();
    const box = await page.locator(`#${id}`).boundingBox();
    const got = [box.x - outer.x, box.y - outer.y, box.width, box.height];
    const want = [left, top, width ?? box.width * 15, height].map((t) => t / 15);
    got.forEach((value, i) => expect(Math.abs(value - want[i]), `${id} [${i}]`).toBeLessThanOrEqual(1));
  }
});

test.describe(() => {
  test.use({ viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true });
  test('on a 360 px phone nothing scrolls sideways and Calculate works', async ({ page }) => {
    await open(page);
    expect(await page.evaluate(() => document.documentElement.scrollWidth)).toBeLessThanOrEqual(360);
    for (const id of ['convertText', 'convCombo', 'densityText', 'densityCombo', 'toCombo',
      'txtResult', 'calButton', 'resetButton', 'Command1', 'batchFile', 'pasteIn']) {
      const box = await page.locator(`#${id}`).boundingBox();
      expect(box.x, id).toBeGreaterThanOrEqual(0);
      expect(box.x + box.width, id).toBeLessThanOrEqual(360);
    }
    await page.tap('#calButton');
    await expect(page.locator('#txtResult')).toHaveValue('1.24843945');
  });
});

const states = {
  'the calculator': async () => {},
  'the About panel': async (page) => page.click('#Command1'),
  'the message dialog': async (page) => {
    await page.fill('#convertText', 'x');
    await page.click('#calButton');
    await message(page);
  },
  'the batch panel after a run': async (page) => {
    await page.setInputFiles('#batchFile', path.join(golden, 'samples.csv'));
    await page.click('#batchStart');
    await expect(page.locator('#batchDownload')).toBeVisible();
  },
};

for (const [name, reach] of Object.entries(states)) {
  test.use({ bypassCSP: true }); // axe-core is injected as an inline script
  test(`axe-core finds no violation on ${name}`, async ({ page }) => {
    await open(page);
    await reach(page);
    await page.addScriptTag({ path: path.join(here, 'node_modules/axe-core/axe.min.js') });
    const violations = await page.evaluate(async () => (await window.axe.run(document)).violations
      .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
    expect(violations).toEqual([]);
  });
}

const densities = [
  { value: '1000', from: 'kg/m^3', to: 'g/cm^3', shows: '1.00000000' },
  { value: '-5', from: 'deg API', to: 'deg API', shows: '-5.00000000' },
  { value: '0', from: 'g/cm^3', to: 'lb/ft^3', says: 'Input Error: Density input value is zero or negative', focus: 'densityValue' },
  { value: 'x', from: 'g/cm^3', to: 'lb/ft^3', says: 'Density input value is invalid', focus: 'densityValue' },
  { value: '145', from: 'deg Baume', to: 'g/cm^3', says: 'The result cannot be computed: division by zero.', focus: 'densityButton' },
];

for (const row of densities) {
  test(`density: ${row.value} ${row.from} to ${row.to} gives ${row.shows || row.says}`, async ({ page }) => {
    await open(page);
    await page.fill('#densityValue', row.value);
    await page.selectOption('#densityFrom', { label: row.from });
    await page.selectOption('#densityTo', { label: row.to });
    await page.click('#densityButton');
    if (row.shows) {
      await expect(page.locator('#densityResult')).toHaveValue(row.shows);
      return;
    }
    expect(await message(page)).toBe(row.says);
    await page.keyboard.press('Enter');
    await expect(page.getByRole('alertdialog')).toBeHidden();
    await expect.poll(() => focused(page)).toBe(row.focus);
  });
}
