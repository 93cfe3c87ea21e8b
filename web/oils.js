// SPDX-License-Identifier: MIT
// The oil panel: an efflux reading on every scale, the viscosity at another
// temperature with its chart, the viscosity index with the ISO grade, and
// blends. Loaded when the panel is first opened, with its own part of the
// core (tarnwick-oils), which answers every question as the converter does.
import createTarnwickOils from './tarnwick-oils.js';
import { $ } from './dialogs.js';
import { drawChart } from './oilchart.js';

const value = (id) => $(id).value;

// The control of each operand that a message names ("V40 takes a number").
const controlOf = {
  viscosityAt: { T1: 'vtT1', V1: 'vtV1', T2: 'vtT2', V2: 'vtV2', T: 'vtT' },
  temperatureReaching: { T1: 'vtT1', V1: 'vtV1', T2: 'vtT2', V2: 'vtV2', V: 'vtReach' },
  viscosityIndex: { V40: 'viV40', V100: 'viV100' },
  blend: { V1: 'blendV1', V2: 'blendV2', F: 'blendFraction' },
  blendFraction: { V1: 'blendV1', V2: 'blendV2', V: 'blendTarget' },
};

function cell(tag, text, className) {
  const node = document.createElement(tag);
  node.textContent = text;
  if (className) node.className = className;
  if (tag === 'th') node.scope = 'row';
  return node;
}

function row(scale, text, refused) {
  const line = document.createElement('tr');
  line.append(cell('th', scale), cell('td', text, refused ? 'refused' : ''));
  return line;
}

// The panel's look, which arrives with it.
function stylesheet(name) {
  return new Promise((resolve, reject) => {
    const link = Object.assign(document.createElement('link'),
      { rel: 'stylesheet', href: new URL(name, import.meta.url).href, onload: resolve, onerror: reject });
    document.head.append(link);
  });
}

export async function start({ core, symbols, showMessage, focusControl }) {
  const [oils] = await Promise.all([createTarnwickOils(), stylesheet('oils.css')]);
  const ask = (question, operands) => oils.oilAnswer(question, operands, symbols);

  // A failed answer: its message, then the focus on the operand it names.
  async function tell(question, answer, fallback) {
    const id = (controlOf[question] || {})[answer.operand] || fallback;
    await showMessage(answer.message);
    focusControl(id ? $(id) : null);
  }

  const scales = oils.effluxScales();
  $('scaleUnit').replaceChildren(...scales.map((name) => new Option(name, name)));
  // Examples in the page's language.
  const number = (n, decimals) => core.formatNumber(n, decimals, symbols);
  const examples = {
    scaleValue: number(700, 0), scaleAt: '100F', vtT1: '40C', vtV1: number(32, 0), vtT2: '100C',
    vtV2: number(5.4, 1), vtT: '60C', vtReach: number(10, 0), viV40: number(73.3, 2),
    viV100: number(8.86, 2), blendV1: number(10, 0), blendV2: number(100, 0),
    blendFraction: number(0.5, 1), blendTarget: number(30, 0),
  };
  for (const [id, text] of Object.entries(examples)) $(id).placeholder = `e.g. ${text}`;

  function convertReading() {
    const answer = oils.readingOnEveryScale(
      { reading: value('scaleValue'), scale: value('scaleUnit'), at: value('scaleAt') }, symbols);
    if (!answer.ok) {
      $('scaleResult').replaceChildren();
      const id = answer.message.startsWith('At ') ? 'scaleAt'
        : answer.input === 'fromUnit' ? 'scaleUnit' : 'scaleValue';
      return tell('', answer, id);
    }
    const table = document.createElement('table');
    table.append(row('cSt', answer.text),
      ...answer.others.map((o) => row(o.scale, o.ok ? o.text : o.message, !o.ok)));
    $('scaleResult').replaceChildren(table);
    return undefined;
  }

  async function temperatures() {
    const line = ['vtT1', 'vtV1', 'vtT2', 'vtV2'].map(value);
    const reach = value('vtReach').trim() !== '';
    const at = value('vtT').trim() !== '' || !reach;
    const atAnswer = at ? ask('viscosityAt', [...line, value('vtT')]) : null;
    const reachAnswer = reach ? ask('temperatureReaching', [...line, value('vtReach')]) : null;
    $('vtResult').value = atAnswer && atAnswer.ok ? `${atAnswer.text} cSt` : '';
    $('vtReachResult').value = reachAnswer && reachAnswer.ok ? reachAnswer.text : '';
    const chart = $('vtChart');
    const drawn = (atAnswer && atAnswer.ok) || (reachAnswer && reachAnswer.ok);
    chart.toggleAttribute('hidden', !drawn); // an SVG element has no hidden property
    if (drawn) {
      drawChart(chart, { core, oils, symbols }, {
        t1: oils.temperatureOf(line[0], symbols),
        v1: core.parseNumber(line[1], symbols),
        t2: oils.temperatureOf(line[2], symbols),
        v2: core.parseNumber(line[3], symbols),
        t: atAnswer && atAnswer.ok ? oils.temperatureOf(value('vtT'), symbols) : null,
        reached: reachAnswer && reachAnswer.ok ? oils.temperatureOf(reachAnswer.text, symbols) : null,
        texts: { line, t: value('vtT'), v: value('vtReach'), at: $('vtResult').value, reached: $('vtReachResult').value },
      });
    }
    if (atAnswer && !atAnswer.ok) return tell('viscosityAt', atAnswer, 'vtButton');
    if (reachAnswer && !reachAnswer.ok) return tell('temperatureReaching', reachAnswer, 'vtButton');
    return undefined;
  }

  // The index and the grade together; between grades, the grade's answer
  // is the converter's message, shown in its place.
  function indexAndGrade() {
    const index = ask('viscosityIndex', [value('viV40'), value('viV100')]);
    const grade = ask('grade', [value('viV40')]);
    $('viResult').value = index.ok ? index.text : '';
    $('vgResult').value = grade.ok ? grade.text : (grade.operand ? '' : grade.message);
    $('vgResult').classList.toggle('refused', !grade.ok);
    return index.ok ? undefined : tell('viscosityIndex', index, 'viButton');
  }

  function chosenBlend() {
    return $('blendAskFraction').checked ? 'blendFraction' : 'blend';
  }
  function showBlendChoice() {
    const fraction = chosenBlend() === 'blendFraction';
    $('blendFraction').disabled = fraction;
    $('blendTarget').disabled = !fraction;
    $('blendResult').value = '';
  }
  function blendAnswer() {
    const question = chosenBlend();
    const last = question === 'blend' ? 'blendFraction' : 'blendTarget';
    const answer = ask(question, [value('blendV1'), value('blendV2'), value(last)]);
    if (!answer.ok) {
      $('blendResult').value = '';
      return tell(question, answer, 'blendButton');
    }
    $('blendResult').value = question === 'blend' ? `${answer.text} cSt`
      : `${answer.text} (mass fraction of oil 2)`;
    return undefined;
  }

  const forms = { scaleForm: convertReading, vtForm: temperatures, viForm: indexAndGrade, blendForm: blendAnswer };
  for (const [id, handler] of Object.entries(forms)) {
    $(id).addEventListener('submit', (event) => {
      event.preventDefault();
      handler();
    });
  }
  for (const id of ['blendAskViscosity', 'blendAskFraction']) $(id).addEventListener('change', showBlendChoice);
  showBlendChoice();
}
