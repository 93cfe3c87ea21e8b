// SPDX-License-Identifier: MIT
// The message box (modal, critical icon, one OK button) and the modeless
// About panel.

// The page's element of that id: the modules' one way to reach an element.
export const $ = (id) => document.getElementById(id);

const box = document.getElementById('messageBox');
const text = document.getElementById('messageText');
let pending = null;

box.addEventListener('close', () => {
  const done = pending;
  pending = null;
  if (done) done();
});
document.getElementById('messageOk').addEventListener('click', () => box.close());

// Shows a message and resolves once the user has closed it, so that the
// caller moves the focus only then.
export function showMessage(message) {
  if (box.open) box.close();
  text.textContent = message;
  box.showModal();
  document.getElementById('messageOk').focus();
  return new Promise((resolve) => {
    pending = resolve;
  });
}

// Moves the focus to a control after a message, drawn as a keyboard focus.
export function focusControl(control) {
  if (!control) return;
  control.focus({ focusVisible: true });
  if (control.select && control.type === 'text') control.select();
}

const about = document.getElementById('About');

export function showAbout() {
  if (!about.open) about.show();
  document.getElementById('OK').focus();
}

// Each action hides the panel first; the two lines are links, so the
// browser then opens them in their own way.
document.getElementById('OK').addEventListener('click', () => about.close());
for (const id of ['Visit', 'Contact']) {
  document.getElementById(id).addEventListener('click', () => about.close());
}
// A modeless panel: Escape is for modal dialogs only, as in the window.
about.addEventListener('cancel', (event) => event.preventDefault());
