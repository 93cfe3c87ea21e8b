// SPDX-License-Identifier: MIT
// The calculator: the window's controls, its two commands, About, and the
// link that carries a calculation.
import { corePromise, symbols } from './startup.js';
import { $, showMessage, focusControl, showAbout } from './dialogs.js';
import { readLink, writeLink } from './link.js';

const core = await corePromise;

function fill(list, units, selected) {
  list.replaceChildren(...units.map((unit) => new Option(unit, unit)));
  list.selectedIndex = selected;
}

const viscosityUnits = core.viscosityUnits();
const densityUnits = core.densityUnits();
const starting = core.startingTexts(symbols);
// The load handler's order: the value's list, the density's, the target's.
fill($('convCombo'), viscosityUnits, 0);
fill($('densityCombo'), densityUnits, 0);
fill($('toCombo'), viscosityUnits, 16);
$('convertText').value = starting.value;
$('densityText').value = starting.density;

// The calculator's control for each input of a conversion.
const controlOf = {
  value: 'convertText', fromUnit: 'convCombo', toUnit: 'toCombo', density: 'densityText', densityUnit: 'densityCombo',
};

function inputs() {
  return {
    value: $('convertText').value,
    fromUnit: $('convCombo').value,
    toUnit: $('toCombo').value,
    density: $('densityText').value,
    densityUnit: $('densityCombo').value,
  };
}

async function calculate() {
  const given = inputs();
  const result = core.calculate(given, symbols);
  if (result.ok) {
    const box = $('txtResult');
    box.value = result.text;
    box.setSelectionRange(0, 0); // shown from its first digit
    // Read out by screen readers, which do not announce a box's new text.
    $('resultStatus').textContent = `${result.text} ${given.toUnit}`;
    writeLink(core, given, symbols);
    document.dispatchEvent(new CustomEvent('tarnwick:calculated'));
    return;
  }
  await showMessage(result.message);
  focusControl(result.input ? $(controlOf[result.input]) : null);
}

function clearValues() {
  $('convertText').value = starting.value;
  $('densityText').value = starting.density;
  $('txtResult').value = '';
}

function openLink() {
  const link = readLink(core, location.hash, viscosityUnits, densityUnits, symbols);
  if (!link) return;
  $('convertText').value = link.value;
  $('convCombo').value = link.fromUnit;
  $('toCombo').value = link.toUnit;
  $('densityText').value = link.density;
  $('densityCombo').value = link.densityUnit;
  calculate();
}

$('calButton').addEventListener('click', calculate);
$('resetButton').addEventListener('click', clearValues);
$('Command1').addEventListener('click', showAbout);
window.addEventListener('hashchange', openLink);
performance.mark('tarnwick-calculate-ready');
openLink();

// The panels that a page adds share the core and the locale.
const context = { core, symbols, viscosityUnits, densityUnits, inputs, showMessage, focusControl };
for (const panel of ['./density.js', './paste.js', './batch.js']) {
  const module = await import(panel);
  module.start(context);
}

// The oil panel's script and its part of the core are fetched when it is
// first opened, so that no visit waits for them before.
let oilPanel = null;
$('oilToggle').addEventListener('click', async () => {
  const opening = $('oilToggle').getAttribute('aria-expanded') !== 'true';
  if (opening && !oilPanel) {
    $('oilPanel').setAttribute('aria-busy', 'true');
    oilPanel = import('./oils.js').then((module) => module.start(context));
    oilPanel.catch(() => { oilPanel = null; }).finally(() => $('oilPanel').removeAttribute('aria-busy'));
  }
  try {
    if (opening) await oilPanel;
  } catch {
    await showMessage('The oil panel could not be loaded.');
    return;
  }
  $('oilToggle').setAttribute('aria-expanded', String(opening));
  $('oilBody').hidden = !opening;
});
document.documentElement.dataset.ready = 'true';

if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}
