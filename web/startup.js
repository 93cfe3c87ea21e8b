// SPDX-License-Identifier: MIT
// The work Calculate waits for, started by its own async script as soon as
// it arrives, while the page is still being laid out.
import { browserLocale, localeSymbols } from './symbols.js';

// The core's code compiles on the browser's own threads while it downloads,
// even before the script that runs it has arrived.
const url = new URL('tarnwick-core.wasm', import.meta.url);
const compiled = WebAssembly.compileStreaming(fetch(url)).catch(async () => {
  // A host that does not send the file as application/wasm.
  const response = await fetch(url);
  return WebAssembly.compile(await response.arrayBuffer());
});

// Intl's first use loads the browser's locale data: some twenty
// milliseconds, spent while the core's code downloads and compiles.
export const symbols = localeSymbols(browserLocale());

export const corePromise = (async () => {
  const [{ default: createTarnwickCore }, module] =
    await Promise.all([import('./tarnwick-core.js'), compiled]);
  let refuse;
  const refused = new Promise((resolve, reject) => { refuse = reject; });
  const created = createTarnwickCore({
    instantiateWasm(imports, receive) {
      WebAssembly.instantiate(module, imports).then((instance) => receive(instance, module), refuse);
      return {};
    },
  });
  return Promise.race([created, refused]);
})();
