// SPDX-License-Identifier: MIT
// The density converter: a value between any two of the density units.

import { $ } from './dialogs.js';
// The panel's control for each input of a density conversion.
const controlOf = { value: 'densityValue', fromUnit: 'densityFrom', toUnit: 'densityTo' };

export function start({ core, symbols, densityUnits, showMessage, focusControl }) {
  for (const [id, selected] of [['densityFrom', 6], ['densityTo', 0]]) {
    $(id).replaceChildren(...densityUnits.map((unit) => new Option(unit, unit)));
    $(id).selectedIndex = selected;
  }
  $('densityValue').value = core.startingTexts(symbols).density;

  async function convert() {
    const result = core.convertDensity(
      { value: $('densityValue').value, fromUnit: $('densityFrom').value, toUnit: $('densityTo').value },
      symbols);
    if (result.ok) {
      $('densityResult').value = result.text;
      return;
    }
    await showMessage(result.message);
    focusControl(result.input ? $(controlOf[result.input]) : null);
  }
  $('densityButton').addEventListener('click', convert);
}
