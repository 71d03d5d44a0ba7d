// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser window over the form object: clicks and keys go to the core's
// runner of the user's choices, and after each the page mirrors its view.
// The page itself, already filled, comes from the build.

import Quillomar from './quillomar-core.js';

const output = document.getElementById('Text1_0');
const firstLine = document.getElementById('first-line');
const tales = document.getElementById('List1_0');
const status = document.getElementById('status');
const radios = Array.from(document.querySelectorAll('#Frame1 input'));

// What a choice did, as the core numbers it.
const Unchanged = 0, Changed = 1, Ended = 2;
// The tale list's keys, numbered as the core's ListKey.
const listKeys = { ArrowUp: 0, ArrowDown: 1, PageUp: 2, PageDown: 3, Home: 4, End: 5, ' ': 6 };
// The author group's arrow keys: the previous or the next author.
const authorSteps = { ArrowUp: -1, ArrowLeft: -1, ArrowDown: 1, ArrowRight: 1 };

// The core's runner, by name; null until it has loaded, and after it ended.
function runnerOf(module) {
  return {
    chooseAuthor: (a) => module._quillomar_choose_author(a),
    chooseTale: (p) => module._quillomar_choose_tale(p),
    stepAuthor: (from, step) => module._quillomar_step_author(from, step),
    pressListKey: (key, pageRows) => module._quillomar_press_list_key(key, pageRows),
    view: () => ({
      text: module.UTF16ToString(module._quillomar_text()),
      author: module._quillomar_author(),
      tale: module._quillomar_tale(),
      taleName: module.UTF16ToString(module._quillomar_tale_name()),
      tabStop: module._quillomar_tab_stop(),
    }),
    error: () => module.UTF8ToString(module._quillomar_error()),
  };
}
let runner = null;
let named = null; // the option that carries its author in its name

// The page's state on its root: "ready" once the core runs, "ended" after
// a run-time error, "unsupported" without WebAssembly.
function enter(state) {
  document.documentElement.dataset.state = state;
}

function say(message, state) {
  status.textContent = message;
  status.hidden = false;
  enter(state);
}

// A control operation failed: as on the desktop, the message names the
// run-time error, and the program ends.
function fail(message) {
  say(message, 'ended');
  document.getElementById('window').inert = true;
  runner = null;
}

// Runs one choice through the core and shows what it changed.
function choose(choice) {
  if (!runner)
    return Unchanged;
  let outcome;
  try {
    outcome = choice(runner);
  } catch (error) {
    fail(String(error && error.message ? error.message : error));
    return Ended;
  }
  if (outcome === Ended)
    fail(runner.error());
  else if (outcome === Changed)
    show(runner.view());
  return outcome;
}

function show(view) {
  // Setting the value puts the caret at the end; the report is read from
  // its top.
  output.value = view.text;
  output.setSelectionRange(0, 0);
  output.scrollTop = 0;
  firstLine.textContent = view.text.split('\r\n', 1)[0];

  radios.forEach((radio, a) => {
    radio.checked = a === view.author;
    radio.tabIndex = a === view.tabStop ? Number(radio.dataset.tab) : -1;
  });

  if (named)
    named.removeAttribute('aria-label');
  tales.selectedIndex = view.tale;
  named = view.tale >= 0 ? tales.options[view.tale] : null;
  if (named)
    named.setAttribute('aria-label', view.taleName);
}

// Until the core is there, the controls keep the page's first state.
function unlessReady(event) {
  if (!runner)
    event.preventDefault();
}

function pageRows() {
  const row = tales.options[0].getBoundingClientRect().height;
  return row > 0 ? Math.floor(tales.clientHeight / row) : 1;
}

radios.forEach((radio, a) => {
  // A click on the chosen author counts too: it clears the tale.
  radio.addEventListener('click', (event) => {
    unlessReady(event);
    choose((core) => core.chooseAuthor(a));
  });
  radio.addEventListener('keydown', (event) => {
    const step = authorSteps[event.key];
    if (!step || event.altKey || event.ctrlKey || event.metaKey)
      return;
    event.preventDefault();
    if (choose((core) => core.stepAuthor(a, step)) === Changed)
      radios[runner.view().author].focus();
  });
});

tales.addEventListener('change', () => {
  if (tales.selectedIndex >= 0)
    choose((core) => core.chooseTale(tales.selectedIndex));
});
let pressedChosen = false; // the press fell on the chosen tale
tales.addEventListener('mousedown', (event) => {
  unlessReady(event);
  pressedChosen = event.target instanceof HTMLOptionElement && event.target.selected;
});
// Choosing the chosen tale again is a new choice, though the list sees no change.
tales.addEventListener('click', (event) => {
  if (pressedChosen && event.target instanceof HTMLOptionElement && event.target.selected)
    choose((core) => core.chooseTale(event.target.index));
  pressedChosen = false;
});
// The moving keys choose what the core says, not what the browser would.
tales.addEventListener('keydown', (event) => {
  const key = listKeys[event.key];
  if (key === undefined || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey) {
    if (event.key !== 'Tab')
      unlessReady(event);
    return;
  }
  event.preventDefault();
  choose((core) => core.pressListKey(key, pageRows()));
});

const noWebAssembly =
  'Този браузър не изпълнява WebAssembly, затова изборът на автор и приказка не работи.';
async function start() {
  if (typeof WebAssembly !== 'object')
    return say(noWebAssembly, 'unsupported');
  try {
    runner = runnerOf(await Quillomar());
  } catch {
    return say(noWebAssembly, 'unsupported');
  }
  show(runner.view());
  enter('ready');
}
start();

if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('sw.js').catch(() => {});
