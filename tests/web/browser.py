# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the browser tests share: the site served on loopback, a browser
engine (engines.py), and the native core as the reference.

Each test module is run as
    python3 MODULE.py SITE_DIR REPLAY VERSION [ENGINE]
with ENGINE one of chromium (the default), firefox and webkit.
"""

import collections
import http.server
import json
import os
import re
import shutil
import subprocess
import sys
import threading
import time
import unittest

import engines

WEB = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'ui', 'web')
SITE, REPLAY, VERSION = sys.argv[1:4] if len(sys.argv) >= 4 else (None, None, None)
ENGINE = engines.ENGINES[sys.argv[4] if len(sys.argv) >= 5 else 'chromium']


def names(folder):
    """What the page's script shares with the core and the page, as the page
    writer wrote it into the page: Outcome and ListKey numbers, the ids."""
    with open(os.path.join(folder, 'index.html'), encoding='utf-8') as page:
        return json.loads(re.search(r'<script type="application/json">(.*?)</script>',
                                    page.read()).group(1))


# The page's element ids by their names, for the tests' scripts as
# %(name)s, and the author buttons' rows as CSS selectors.
IDS = names(SITE)['ids'] if SITE else collections.defaultdict(str)  # bench/ imports this
AUTHOR = '#%s > label:nth-of-type(%%d)' % IDS.get('frame')
TITLE = '#%s > [role=option]:nth-child(%%d)' % IDS.get('tales')


class Site:
    """The site on a loopback port of its own, until stop(). Each answer
    carries the headers that headers(path) gives, none by default, after
    delay(path) seconds; the folder it serves can be swapped, as a deploy
    swaps it on a server."""

    def __init__(self, folder, headers=lambda path: ()):
        self.folder = folder
        self.headers = headers
        self.delay = lambda path: 0  # seconds before each answer: a slow network
        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), QuietHandler)
        self.server.site = self
        self.url = 'http://127.0.0.1:%d/' % self.server.server_address[1]
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        if self.server:
            self.server.shutdown()
            self.server.server_close()
            self.thread.join()
            self.server = None


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
                      '.js': 'text/javascript'}

    def do_GET(self):
        time.sleep(self.server.site.delay(self.path))
        super().do_GET()

    def translate_path(self, path):
        # At each request: a connection may have been opened before a deploy.
        self.directory = self.server.site.folder
        return super().translate_path(path)

    def end_headers(self):
        for name, value in self.server.site.headers(self.path):
            self.send_header(name, value)
        super().end_headers()

    def log_message(self, *args):
        pass


class Core:
    """The native core, fed the same user actions as the page."""

    def __init__(self):
        self.process = subprocess.Popen([REPLAY], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True, encoding='utf-8')
        self.view = json.loads(self.process.stdout.readline())

    def select(self, kind, index):
        self.process.stdin.write('%s %d\n' % (kind, index))
        self.process.stdin.flush()
        self.view = json.loads(self.process.stdout.readline())
        return self.view

    def close(self):
        self.process.stdin.close()
        self.process.wait()
        self.process.stdout.close()


# The page's state, read in one round trip.
READ_PAGE = '''
const output = document.getElementById('%(output)s');
const radios = Array.from(document.querySelectorAll('#%(frame)s input'));
const titles = Array.from(document.querySelectorAll('#%(tales)s [role=option]'));
const chosen = titles.find(title => title.getAttribute('aria-selected') === 'true');
const active = document.activeElement;
const status = document.getElementById('%(status)s');
return {
    text: output.value,
    author: radios.findIndex(r => r.checked),
    tale: titles.indexOf(chosen),
    name: chosen ? chosen.getAttribute('aria-label') || '' : '',
    top: output.scrollTop, caret: output.selectionStart,
    focus: active.id || (active.name ? active.name + ':' + active.value : ''),
    status: status.hidden ? '' : status.textContent,
    spoken: document.getElementById('%(report)s').textContent.trim(),
};
''' % IDS


# The release each of the page's parts came from: the document, its style
# sheet, its script, the core's loader, and the core itself, whose text the
# output box shows once it runs.
READ_RELEASES = '''
const root = document.documentElement;
const style = getComputedStyle(root).getPropertyValue('--release').replace(/[" ]/g, '');
const core = (document.getElementById('%(output)s').value.match(/On-Clic(.)/) || [])[1];
return [root.dataset.release, style, root.dataset.script, root.dataset.loader, core];
''' % IDS


def release(folder, name, age):
    """A copy of the site whose every file says it is release `name` (one
    letter), with its own service worker, the files `age` seconds old: the
    page's document, style sheet, script and the core's loader in their
    marks, and the core in the text it shows (READ_RELEASES reads them)."""
    shutil.copytree(SITE, folder)

    def edit(file, change):
        path = os.path.join(folder, file)
        with open(path, 'rb') as f:
            data = f.read()
        changed = change(data)
        assert changed != data, file
        with open(path, 'wb') as f:
            f.write(changed)

    mark = name.encode()
    edit('index.html', lambda d: d.replace(b'<html lang="bg">',
                                           b'<html lang="bg" data-release="' + mark + b'">', 1))
    edit('quillomar.css', lambda d: d + b':root { --release: "' + mark + b'"; }\n')
    edit('quillomar.js', lambda d: d + b"document.documentElement.dataset.script = '" + mark
         + b"';\n")
    edit('quillomar-core.js', lambda d: d + b"\ndocument.documentElement.dataset.loader = '"
         + mark + b"';\n")
    word = 'On-Click'.encode('utf-16-le')
    edit('quillomar-core.wasm', lambda d: d.replace(word, ('On-Clic' + name).encode('utf-16-le')))
    for icon in ('quillomar-192.png', 'quillomar-512.png'):
        edit(icon, lambda d: d + mark)  # bytes after the PNG's end, which readers skip
    edit('quillomar.webmanifest', lambda d: d.replace(b'"name": "', b'"name": "' + mark, 1))
    subprocess.run(['cmake', '-DSITE=' + folder, '-DWORKER=' + os.path.join(WEB, 'sw.js.in'),
                    '-P', os.path.join(WEB, 'worker.cmake')], check=True)
    when = time.time() - age
    for file in os.listdir(folder):
        os.utime(os.path.join(folder, file), (when, when))


class PageTest(unittest.TestCase):
    """A fresh browser on the served site for each test, with the core beside it."""

    flags = ()
    touch = False  # whether the engine's pointer is a finger, where it can be

    def setUp(self):
        self.maxDiff = None
        self.errors_expected = False
        self.site = Site(SITE)
        self.addCleanup(self.site.stop)
        self.engine = ENGINE(self.flags, touch=self.touch)
        self.addCleanup(self.engine.quit)
        self.core = Core()
        self.addCleanup(self.core.close)

    def open(self, path=''):
        self.engine.open(self.site.url + path)
        self.wait_until_ready()

    def wait_until(self, condition, timeout=10, what='the page'):
        end = time.monotonic() + timeout
        while not condition():
            if time.monotonic() > end:
                self.fail('timed out waiting for ' + what)
            time.sleep(0.05)

    def wait_for_worker(self):
        """Until the service worker that the page registered is the active one,
        with none newer coming."""
        self.wait_until(lambda: self.js('''
            return navigator.serviceWorker.getRegistration().then(r => !!r && !r.installing
                && !r.waiting && !!r.active && r.active.state === 'activated');'''),
            timeout=20, what='the service worker')

    def wait_until_ready(self):
        """Until the core runs, or cannot, and the page has focused its output
        box: a loaded engine may do that after the core is there, and would
        then take the focus from whatever a test focused before."""
        self.wait_until(lambda: self.engine.run(
            'return !!document.documentElement.dataset.state'
            ' && document.activeElement !== document.body'), what='the core and the focus')

    def js(self, script, *args):
        return self.engine.run(script, *args)

    def page(self):
        return self.js(READ_PAGE)

    def assert_shows_core(self, context=''):
        view = self.core.view
        expected = {'text': view['text'].replace('\r\n', '\n'), 'author': view['author'],
                    'tale': view['tale'], 'top': 0, 'caret': 0, 'status': ''}
        # WebKitWebDriver may answer before the page has handled the input.
        end = time.monotonic() + 2
        while True:
            page = self.page()
            shown = {key: page[key] for key in expected}
            if shown == expected or time.monotonic() > end:
                break
            time.sleep(0.05)
        self.assertEqual(shown, expected, context)

    def tap_element(self, selector):
        """A press on the middle of the element, scrolled into view first if
        the page scrolls (a phone's stacked window)."""
        x, y = self.js('''
            const element = document.querySelector(arguments[0]);
            let box = element.getBoundingClientRect();
            if (box.top < 0 || box.bottom > innerHeight) {
                scrollBy(0, box.top - (innerHeight - box.height) / 2);
                box = element.getBoundingClientRect();
            }
            return [box.left + Math.min(box.width / 2, 40), box.top + box.height / 2];''',
                        selector)
        self.engine.tap(x, y)

    def click_author(self, a):
        self.tap_element(AUTHOR % (a + 1))

    def click_tale(self, p):
        # A real press where the title is. The list may still be scrolling to
        # its choice: wait until it has stood still for two frames, scroll
        # the title in, and check it is what lies under that point.
        self.run_async('''
            const list = document.getElementById(arguments[1]);
            const title = list.querySelectorAll('[role=option]')[arguments[0]];
            const done = arguments[arguments.length - 1];
            // On a short screen the page scrolls the list into sight first.
            const shown = list.getBoundingClientRect();
            if (shown.top < 0 || shown.bottom > innerHeight)
                list.scrollIntoView({block: 'nearest'});
            let still = 0, last = -1;
            const settle = () => {
                still = list.scrollTop === last ? still + 1 : 0;
                last = list.scrollTop;
                if (still < 2)
                    return requestAnimationFrame(settle);
                const top = title.offsetTop - list.clientTop;
                if (top < list.scrollTop)
                    list.scrollTop = top;
                else if (top + title.offsetHeight > list.scrollTop + list.clientHeight)
                    list.scrollTop = top + title.offsetHeight - list.clientHeight;
                requestAnimationFrame(done);
            };
            requestAnimationFrame(settle);''', p, IDS['tales'])
        selector = TITLE % (p + 1)
        self.assertTrue(self.js('''
            const title = document.querySelector(arguments[0]), box = title.getBoundingClientRect();
            const list = title.parentElement.getBoundingClientRect();
            const y = Math.max(box.top, list.top) / 2 + Math.min(box.bottom, list.bottom) / 2;
            return document.elementFromPoint(box.left + 20, y) === title;''', selector),
            'tale %d is not where the list shows it' % p)
        x, y = self.js('''
            const box = document.querySelector(arguments[0]).getBoundingClientRect();
            const list = document.getElementById(arguments[1]).getBoundingClientRect();
            return [box.left + 20, Math.max(box.top, list.top) / 2 + Math.min(box.bottom, list.bottom) / 2];''',
                        selector, IDS['tales'])
        self.engine.tap(x, y)

    def run_async(self, script, *args):
        return self.engine.run_async(script, *args)

    def keys(self, *keys):
        self.engine.keys(*keys)

    def focus(self, name):
        """Puts the focus on the element of that name in IDS."""
        self.js('document.getElementById(arguments[0]).focus()', IDS[name])

    def tearDown(self):
        if not self.errors_expected:
            self.assertEqual(self.engine.errors(), [])


def only_in(*names):
    """Skips a test in the other engines: what it needs only these offer."""
    return unittest.skipUnless(ENGINE.name in names, 'needs ' + ' or '.join(names))


def main():
    unittest.main(argv=sys.argv[:1], verbosity=2)
