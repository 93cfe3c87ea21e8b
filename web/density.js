// SPDX-License-Identifier: MIT
// The density converter: a value between any two of the density units.

const $ = (id) => document.getElementById(id);
// The core names its controls after the calculator's; here they are these.
const controls = {
  convertText: 'densityValue', densityText: 'densityValue', convCombo: 'densityFrom', toCombo: 'densityTo',
};

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
    focusControl($(controls[result.control]));
  }
  $('densityButton').addEventListener('click', convert);
}
