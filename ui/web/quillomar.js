// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser window over the form object: clicks and keys go to the core's
// runner of the user's choices, and after each the page mirrors its view.
// The page itself, already filled, comes from the build, and this script
// takes the user's choices from the moment it runs, while the core loads.

// The numbers and ids this script shares with the core and the page, as the
// page writer wrote them into the page.
const names = JSON.parse(document.querySelector('script[type="application/json"]').textContent);
const element = (name) => document.getElementById(names.ids[name]);
const output = element('output');
const firstLine = element('firstLine');
const report = element('report');
const tales = element('tales');
const titles = () => tales.querySelectorAll('[role=option]');
const status = element('status');
const loading = element('loading');
const radios = Array.from(element('frame').querySelectorAll('input'));

// What a choice did, as the core numbers it.
const { Unchanged, Changed, Ended } = names.outcome;
// The tale list's keys, as the core numbers them.
const listKeys = { ArrowUp: 'Up', ArrowDown: 'Down', PageUp: 'PageUp', PageDown: 'PageDown',
                   Home: 'Home', End: 'End', ' ': 'Space' };
// The author group's arrow keys: the previous or the next author.
const authorSteps = { ArrowUp: -1, ArrowLeft: -1, ArrowDown: 1, ArrowRight: 1 };

// The core's runner, by name; null until it has loaded, and after it ended.
function runnerOf(module) {
  return {
    chooseAuthor: (a) => module._quillomar_choose_author(a),
    chooseTale: (p) => module._quillomar_choose_tale(p),
    stepAuthor: (from, step) => module._quillomar_step_author(from, step),
    pressListKey: (key, pageRows) => module._quillomar_press_list_key(key, pageRows),
    typeInList: (letter) => module._quillomar_type_in_list(letter),
    view: () => ({
      text: module.UTF16ToString(module._quillomar_text()),
      author: module._quillomar_author(),
      tale: module._quillomar_tale(),
      taleName: module.UTF16ToString(module._quillomar_tale_name()),
      description: module.UTF16ToString(module._quillomar_description()),
      cursor: module._quillomar_tale_cursor(),
      tabStop: module._quillomar_tab_stop(),
    }),
    error: () => module.UTF8ToString(module._quillomar_error()),
  };
}
let runner = null;
// Choices made while the core loads, to run in order once it is there; null
// once it is, or cannot be.
let waiting = [];
let named = null; // the title that carries its author in its name
let namedLabel = null; // its name before
let cursor = null; // the title the list's cursor is on
let spoken = false; // which of two spellings the last report went out in

// The page's state on its root: "ready" once the core runs, "ended" after
// a run-time error; "unsupported", "blocked" or "failed" if it cannot run
// (see cannotRun).
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
  element('window').inert = true;
  runner = null;
}

// Says, to the eye and to screen readers, that the core is still loading,
// and whether a choice waits for it.
function sayLoading() {
  if (waiting)
    loading.textContent = waiting.length
      ? 'Програмата още се зарежда; изборът ви ще се покаже, щом е готова.'
      : 'Програмата се зарежда…';
}
setTimeout(sayLoading, 1000);

// Runs one choice through the core and shows what it changed; while the
// core loads, keeps it for then.
function choose(choice) {
  if (!runner) {
    if (waiting) {
      waiting.push(choice);
      sayLoading();
    }
    return Unchanged;
  }
  let outcome;
  try {
    outcome = choice(runner);
  } catch (error) {
    fail(String(error && error.message ? error.message : error));
    return Ended;
  }
  if (outcome === Ended) {
    fail(runner.error());
  } else if (outcome === Changed) {
    show(runner.view());
    speak();
  }
  return outcome;
}

function show(view) {
  // Setting the value puts the caret at the end; the report is read from
  // its top.
  output.value = view.text;
  output.setSelectionRange(0, 0);
  output.scrollTop = 0;
  firstLine.textContent = view.description;

  radios.forEach((radio, a) => {
    radio.checked = a === view.author;
    radio.tabIndex = a === view.tabStop ? 0 : -1;
  });

  if (named) {
    if (namedLabel === null)
      named.removeAttribute('aria-label');
    else
      named.setAttribute('aria-label', namedLabel);
    named.setAttribute('aria-selected', 'false');
  }
  named = view.tale >= 0 ? titles()[view.tale] : null;
  if (named) {
    namedLabel = named.getAttribute('aria-label');
    named.setAttribute('aria-label', view.taleName);
    named.setAttribute('aria-selected', 'true');
    scrollToTitle(named);
  }
  cursor?.classList.remove(names.cursor);
  cursor = view.cursor >= 0 ? titles()[view.cursor] : null;
  cursor?.classList.add(names.cursor);
  if (cursor)
    tales.setAttribute('aria-activedescendant', cursor.id);
}

// Screen readers hear every new report once, however often the same one
// comes: the same text again would be no change to announce.
function speak() {
  spoken = !spoken;
  report.textContent = firstLine.textContent + (spoken ? '' : '\u00a0');
}

// Within the list only: the page itself stays where it is.
function scrollToTitle(title) {
  const top = title.offsetTop - tales.clientTop, bottom = top + title.offsetHeight;
  if (top < tales.scrollTop)
    tales.scrollTop = top;
  else if (bottom > tales.scrollTop + tales.clientHeight)
    tales.scrollTop = bottom - tales.clientHeight;
}

// Until the core is there, the controls keep the page's first state: a
// radio shows no check the report does not follow yet.
function unlessReady(event) {
  if (!runner)
    event.preventDefault();
}

function pageRows() {
  const row = titles()[0].offsetHeight;
  return row > 0 ? Math.floor(tales.clientHeight / row) : 1;
}

radios.forEach((radio, a) => {
  // The page comes with them disabled, so that none is checked before this
  // script takes the click.
  radio.disabled = false;
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

// A click chooses the title under the pointer, the chosen one again too.
tales.addEventListener('click', (event) => {
  const p = Array.prototype.indexOf.call(titles(), event.target.closest('[role=option]'));
  if (p >= 0)
    choose((core) => core.chooseTale(p));
});
// The moving keys and letters choose what the core says.
tales.addEventListener('keydown', (event) => {
  if (event.altKey || event.ctrlKey || event.metaKey)
    return;
  const key = names.listKey[listKeys[event.key]];
  if (key !== undefined && !event.shiftKey) {
    event.preventDefault();
    choose((core) => core.pressListKey(key, pageRows()));
  } else if (event.key.length === 1 && event.key !== ' ') {
    event.preventDefault();
    choose((core) => core.typeInList(event.key.charCodeAt(0)));
  }
});

// Why the core cannot run: the browser lacks WebAssembly, the site's
// Content Security Policy forbids compiling it (a server's header without
// 'wasm-unsafe-eval'), or it did not load.
const cannotRun = {
  unsupported: 'Този браузър не изпълнява WebAssembly, затова изборът на автор и приказка не работи.',
  blocked: 'Политиката за сигурност на този сайт не позволява WebAssembly, затова изборът на автор и приказка не работи.',
  failed: 'Програмата не успя да се зареди, затова изборът на автор и приказка не работи.',
};
let refusedByPolicy = false;
document.addEventListener('securitypolicyviolation', (event) => {
  if (event.blockedURI === 'wasm-eval')
    refusedByPolicy = true;
});
// WebKit sends no event, but names the policy in its error, as the others do.
const policyError = /Content.Security.Policy|\bCSP\b|wasm-unsafe-eval/i;

async function load() {
  if (typeof WebAssembly !== 'object')
    return say(cannotRun.unsupported, 'unsupported');
  try {
    const { default: Quillomar } = await import('./quillomar-core.js');
    runner = runnerOf(await Quillomar());
  } catch (error) {
    const blocked = refusedByPolicy || policyError.test(String(error && error.message));
    return blocked ? say(cannotRun.blocked, 'blocked') : say(cannotRun.failed, 'failed');
  }
  show(runner.view());
  enter('ready');
  const choices = waiting;
  waiting = null;
  choices.forEach(choose);
}
load().finally(() => {
  waiting = null;
  loading.textContent = '';
});

// The user's own text spacing (WCAG 1.4.12), as a user style sheet or an
// extension sets it, needs more room than the window's rows have: the page
// then stacks its controls in one column, where text wraps.
function followSpacing() {
  const style = getComputedStyle(titles()[0]);
  const spaced = parseFloat(style.letterSpacing) > 0 || parseFloat(style.wordSpacing) > 0
    || parseFloat(style.lineHeight) > names.lineHeight;
  document.documentElement.classList.toggle(names.spaced, spaced);
}
followSpacing();
// A style sheet that comes later: added, and then loaded.
const styleSheets = new MutationObserver(followSpacing);
for (const parent of [document.documentElement, document.head])
  styleSheets.observe(parent, { childList: true });
document.addEventListener('load', followSpacing, true);

if ('serviceWorker' in navigator)
  navigator.serviceWorker.register('sw.js').catch(() => {});
