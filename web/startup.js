// SPDX-License-Identifier: MIT
// The work Calculate waits for, started by its own async script as soon as
// these few files arrive, while the page is still being laid out: the core
// is fetched and compiled, and the locale's symbols are worked out.
import createTarnwickCore from './tarnwick-core.js';
import { browserLocale, localeSymbols } from './symbols.js';

// Asked for first, so that the core's code downloads while Intl is busy.
export const corePromise = createTarnwickCore();
export const symbols = localeSymbols(browserLocale());
