// SPDX-License-Identifier: MIT
// The calculator as the window has it: start-up, the seven checks with
// their messages and focus, results under two languages, Clear Values.
import { test, expect } from '@playwright/test';
import { open, enter, message, focused } from './helpers.js';

test('the page starts as the window does, asking only its own host', async ({ page, baseURL }) => {
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  await open(page);
  await expect(page.locator('#convertText')).toHaveValue('1');
  await expect(page.locator('#densityText')).toHaveValue('50.0');
  await expect(page.locator('#txtResult')).toHaveValue('');
  await expect(page.locator('#convCombo')).toHaveValue('cP');
  await expect(page.locator('#densityCombo')).toHaveValue('lb/ft^3');
  await expect(page.locator('#toCombo')).toHaveValue('cSt');
  expect(await page.locator('#convCombo option').count()).toBe(25);
  expect(await page.locator('#densityCombo option').count()).toBe(12);
  await expect(page.locator('#toCombo option').nth(15)).toHaveText('');
  await expect(page.locator('#calButton')).toHaveText('Calculate');
  await expect(page.locator('#resetButton')).toHaveText('Clear Values');
  await expect(page.locator('#Command1')).toHaveText('About Us');
  expect(await focused(page)).toBe('convertText');
  const order = [];
  for (let i = 0; i < 9; ++i) {
    await page.keyboard.press('Tab');
    order.push(await focused(page));
  }
  expect(order.slice(0, 8)).toEqual(['densityText', 'calButton', 'resetButton', 'convCombo',
    'densityCombo', 'toCombo', 'Command1', 'txtResult']);
  await page.click('#calButton');
  await expect(page.locator('#txtResult')).toHaveValue('1.24843945');
  expect(requests.filter((url) => !url.startsWith(baseURL))).toEqual([]);
});

const checks = [
  { name: 'both values unreadable: the viscosity is reported', value: 'abc', density: 'x',
    says: 'Viscosity input value is invalid', focus: 'convertText' },
  { name: 'a negative viscosity and an unreadable density: the density is reported', value: '-1',
    density: '1..5', says: 'Density input value is invalid', focus: 'densityText' },
  { name: 'a zero viscosity', value: '0', says: 'Input Error: Viscosity input value is zero or negative',
    focus: 'convertText' },
  { name: 'a negative density', density: '-50', says: 'Input Error: Density input value is zero or negative',
    focus: 'densityText' },
  { name: 'the separator as the value\'s unit', from: 15, to: 15,
    says: 'Viscosity unit is not specified. ', focus: 'convCombo' },
  { name: 'an empty density unit', emptyDensityUnit: true,
    says: 'Density unit is not specified. ', focus: 'densityCombo' },
  { name: 'the separator as the unit wanted', to: 15, says: 'Conversion unit is not specified. ',
    focus: 'toCombo' },
  { name: '145 deg Baume: the arithmetic error, the focus stays', density: '145', unit: 'deg Baume',
    says: 'The result cannot be computed: division by zero.', focus: 'calButton' },
];

for (const row of checks) {
  test(`message: ${row.name}`, async ({ page }) => {
    await open(page);
    await page.click('#calButton');
    await expect(page.locator('#txtResult')).toHaveValue('1.24843945');
    await enter(page, row);
    if (row.emptyDensityUnit) {
      // The list has no empty entry; a page script could still give it one.
      await page.locator('#densityCombo').evaluate((list) => {
        list.add(new Option('', ''));
        list.value = '';
      });
    }
    await page.click('#calButton');
    expect(await message(page)).toBe(row.says);
    await page.getByRole('alertdialog').getByRole('button', { name: 'OK' }).click();
    await expect(page.getByRole('alertdialog')).toBeHidden();
    // The dialog's close event, after which the focus moves, comes a task later.
    await expect.poll(() => focused(page)).toBe(row.focus);
    const outline = await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
    expect(outline).not.toBe('none');
    await expect(page.locator('#txtResult')).toHaveValue('1.24843945');
  });
}

const results = [
  { locale: 'en-US', value: '1', from: 'cP', to: 'cSt', density: '50.0', unit: 'lb/ft^3', shows: '1.24843945' },
  { locale: 'en-US', value: '1', from: 'Pa.s', to: 'cP', shows: '1,000.00000000' },
  { locale: 'en-US', value: '1', from: 'cP', to: 'Pa.s', shows: '0.00100000' },
  { locale: 'en-US', value: '2.5', from: 'Poise', to: 'cP', shows: '250.00000000' },
  { locale: 'en-US', value: '1,234,567.5', from: 'cP', to: 'cP', shows: '1,234,567.50000000' },
  { locale: 'en-US', value: '0.001953125', from: 'cP', to: 'cP', shows: '0.00195313' },
  { locale: 'en-US', value: '1', from: 'cP', to: 'cSt', density: '150', unit: 'deg Baume', shows: '-0.03448276' },
  { locale: 'de-DE', value: '1', from: 'cP', to: 'cSt', shows: '1,24843945' },
  { locale: 'de-DE', value: '1', from: 'Pa.s', to: 'cP', shows: '1.000,00000000' },
  { locale: 'de-DE', value: '2,5', from: 'Poise', to: 'cP', shows: '250,00000000' },
  { locale: 'de-DE', value: '1.234.567,5', from: 'cP', to: 'cP', shows: '1.234.567,50000000' },
  { locale: 'de-DE', value: '1', from: 'cSt', to: 'cP', density: '0,85', unit: 'g/cm^3', shows: '0,85000000' },
];

for (const row of results) {
  test.describe(() => {
    test.use({ locale: row.locale });
    test(`under ${row.locale}, ${row.value} ${row.from} is ${row.shows} ${row.to}`, async ({ page }) => {
      await open(page);
      await enter(page, row);
      await page.click('#calButton');
      await expect(page.locator('#txtResult')).toHaveValue(row.shows);
      await expect(page.getByRole('alertdialog')).toBeHidden();
    });
  });
}

test.describe(() => {
  test.use({ locale: 'de-DE' });
  test('under de-DE the starting density is 50,0 and 1.5 is not a number', async ({ page }) => {
    await open(page);
    await expect(page.locator('#densityText')).toHaveValue('50,0');
    await enter(page, { value: '1.5' });
    await page.click('#calButton');
    expect(await message(page)).toBe('Viscosity input value is invalid');
  });
});

test('Clear Values puts back the starting texts and keeps the lists', async ({ page }) => {
  await open(page);
  await enter(page, { value: '2.5', from: 'Poise', to: 'cP', density: '7', unit: 'g/l' });
  await page.click('#calButton');
  await expect(page.locator('#txtResult')).toHaveValue('250.00000000');
  await page.click('#resetButton');
  await expect(page.locator('#convertText')).toHaveValue('1');
  await expect(page.locator('#densityText')).toHaveValue('50.0');
  await expect(page.locator('#txtResult')).toHaveValue('');
  await expect(page.locator('#convCombo')).toHaveValue('Poise');
  await expect(page.locator('#densityCombo')).toHaveValue('g/l');
  await expect(page.getByRole('alertdialog')).toBeHidden();
});
