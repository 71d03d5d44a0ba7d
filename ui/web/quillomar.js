// SPDX-FileCopyrightText: 2026 Quillomar developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The browser window over the form object: clicks and keys become the core's
// two user actions, and after each the page mirrors the core's view. The page
// itself, already filled, comes from the build.
'use strict';

(() => {
    const output = document.getElementById('Text1_0');
    const firstLine = document.getElementById('first-line');
    const tales = document.getElementById('List1_0');
    const status = document.getElementById('status');
    const radios = Array.from(document.querySelectorAll('#Frame1 input'));
    let core = null;
    let named = null; // the option that carries its author in its name
    let pressedChosen = false; // the press fell on the chosen tale
    let cursor = 0; // the title the list's cursor is on: the last chosen, or the first

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
        core = null;
    }

    function act(action) {
        if (!core)
            return;
        try {
            const error = action();
            if (error)
                return fail(core.UTF8ToString(core._quillomar_error()));
            show();
        } catch (error) {
            fail(String(error && error.message ? error.message : error));
        }
    }

    function show() {
        const text = core.UTF16ToString(core._quillomar_text());
        const author = core._quillomar_author();
        const tale = core._quillomar_tale();
        const stop = core._quillomar_tab_stop();

        // Setting the value puts the caret at the end; the report is read
        // from its top.
        output.value = text;
        output.setSelectionRange(0, 0);
        output.scrollTop = 0;
        firstLine.textContent = text.split('\r\n', 1)[0];

        radios.forEach((radio, a) => {
            radio.checked = a === author;
            radio.tabIndex = a === stop ? Number(radio.dataset.tab) : -1;
        });

        if (named)
            named.removeAttribute('aria-label');
        tales.selectedIndex = tale;
        named = tale >= 0 ? tales.options[tale] : null;
        if (named) {
            cursor = tale;
            named.setAttribute('aria-label', core.UTF16ToString(core._quillomar_tale_name()));
        }
    }

    function selectAuthor(a) {
        act(() => core._quillomar_select_author(a));
    }

    function selectTale(p) {
        act(() => core._quillomar_select_tale(p));
    }

    // Until the core is there, the controls keep the page's first state.
    function unlessReady(event) {
        if (!core)
            event.preventDefault();
    }

    radios.forEach((radio, a) => {
        // A click on the chosen author counts too: it clears the tale.
        radio.addEventListener('click', event => {
            unlessReady(event);
            selectAuthor(a);
        });
        radio.addEventListener('keydown', event => {
            const step = { ArrowUp: -1, ArrowLeft: -1, ArrowDown: 1, ArrowRight: 1 }[event.key];
            if (!step || event.altKey || event.ctrlKey || event.metaKey)
                return;
            event.preventDefault();
            if (!core)
                return;
            const to = core._quillomar_author_after(a, step);
            selectAuthor(to);
            radios[to].focus();
        });
    });

    tales.addEventListener('change', () => {
        if (tales.selectedIndex >= 0)
            selectTale(tales.selectedIndex);
    });
    tales.addEventListener('mousedown', event => {
        unlessReady(event);
        pressedChosen = event.target instanceof HTMLOptionElement && event.target.selected;
    });
    // Choosing the chosen tale again is a new choice, though the list sees no change.
    tales.addEventListener('click', event => {
        if (pressedChosen && event.target instanceof HTMLOptionElement && event.target.selected)
            selectTale(event.target.index);
        pressedChosen = false;
    });
    tales.addEventListener('keydown', event => {
        if (!core) {
            if (event.key !== 'Tab')
                event.preventDefault();
            return;
        }
        // With nothing chosen, Space chooses the title the cursor is on.
        if (event.key === ' ' && tales.selectedIndex < 0) {
            event.preventDefault();
            selectTale(cursor);
        }
    });

    const noWebAssembly = 'Този браузър не изпълнява WebAssembly, затова изборът на автор и приказка не работи.';
    if (typeof WebAssembly !== 'object' || typeof Quillomar !== 'function')
        return say(noWebAssembly, 'unsupported');
    Quillomar().then(module => {
        core = module;
        show();
        enter('ready');
    }, () => say(noWebAssembly, 'unsupported'));

    if ('serviceWorker' in navigator)
        navigator.serviceWorker.register('sw.js').catch(() => { });
})();
