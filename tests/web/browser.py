# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the browser tests share: the site served on loopback, Debian's
Chromium driven through chromedriver, and the native core as the reference.

Each test module is run as
    python3 MODULE.py SITE_DIR REPLAY VERSION
"""

import functools
import http.server
import json
import subprocess
import sys
import tempfile
import threading
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

SITE, REPLAY, VERSION = sys.argv[1:4] if len(sys.argv) >= 4 else (None, None, None)

# As root and without a network: no sandbox, and no background connections.
CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
                  '--no-first-run', '--disable-background-networking',
                  '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage',
                  '--lang=bg', '--window-size=800,600']


class Site:
    """The site on a loopback port of its own, until stop()."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=folder)
        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
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

    def log_message(self, *args):
        pass


def chromium(extra_flags=()):
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    profile = tempfile.TemporaryDirectory(prefix='quillomar-chromium-')
    for flag in CHROMIUM_FLAGS + list(extra_flags) + ['--user-data-dir=' + profile.name]:
        options.add_argument(flag)
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    driver.quillomar_profile = profile  # removed with the driver
    return driver


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
const output = document.getElementById('Text1_0');
const radios = Array.from(document.querySelectorAll('#Frame1 input'));
const tales = document.getElementById('List1_0');
const chosen = tales.selectedIndex >= 0 ? tales.options[tales.selectedIndex] : null;
return {
    text: output.value,
    author: radios.findIndex(r => r.checked),
    tale: tales.selectedIndex,
    name: chosen ? chosen.getAttribute('aria-label') || '' : '',
    top: output.scrollTop, caret: output.selectionStart,
    focus: document.activeElement.id || document.activeElement.name + ':' + document.activeElement.value,
    status: document.getElementById('status').hidden ? '' : document.getElementById('status').textContent,
};
'''


class PageTest(unittest.TestCase):
    """A fresh browser on the served site for each test, with the core beside it."""

    flags = ()

    def setUp(self):
        self.maxDiff = None
        self.site = Site(SITE)
        self.addCleanup(self.site.stop)
        self.driver = chromium(self.flags)
        self.addCleanup(self.quit)
        self.core = Core()
        self.addCleanup(self.core.close)

    def quit(self):
        self.driver.quit()
        self.driver.quillomar_profile.cleanup()

    def open(self, path=''):
        self.driver.get(self.site.url + path)
        self.wait_until_ready()

    def wait_until_ready(self):
        WebDriverWait(self.driver, 10).until(lambda d: d.execute_script(
            'return document.documentElement.dataset.state'))

    def page(self):
        return self.driver.execute_script(READ_PAGE)

    def assert_shows_core(self, context=''):
        page, view = self.page(), self.core.view
        expected = {'text': view['text'].replace('\r\n', '\n'), 'author': view['author'],
                    'tale': view['tale'], 'name': view['name'], 'top': 0, 'caret': 0,
                    'status': ''}
        self.assertEqual({key: page[key] for key in expected}, expected, context)

    def element(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def actions(self):
        # At once: Selenium 4.8 would take 250 ms to move the pointer, for
        # every click, while the page may still change beneath it.
        return ActionChains(self.driver, duration=0)

    def click_author(self, a):
        self.actions().click(self.element('Option1_%d' % a)).perform()

    def click_tale(self, p):
        # A real press on the option's place in the list. The list scrolls to
        # its selection a frame or more after it is set: wait until it has
        # stood still for two frames, scroll the option in, and check that it
        # is what lies under that point before pressing there.
        point = self.driver.execute_async_script('''
            const list = document.getElementById('List1_0'), option = list.options[arguments[0]];
            const done = arguments[arguments.length - 1];
            let still = 0, last = -1;
            const settle = () => {
                still = list.scrollTop === last ? still + 1 : 0;
                last = list.scrollTop;
                if (still < 2)
                    return requestAnimationFrame(settle);
                option.scrollIntoView({block: 'nearest'});
                const row = option.getBoundingClientRect();
                const x = row.left + 20, y = row.top + row.height / 2;
                const hit = document.elementFromPoint(x, y);
                done(hit === option || hit === list ? [x, y] : null);
            };
            requestAnimationFrame(settle);''', p)
        self.assertIsNotNone(point, 'tale %d is not where the list shows it' % p)
        self.tap(*point)

    def tap(self, x, y):
        """A press and release of the mouse at (x, y) in the viewport."""
        builder = ActionBuilder(self.driver, duration=0)
        builder.pointer_action.move_to_location(int(x), int(y))
        builder.pointer_action.click()
        builder.perform()

    def keys(self, *keys):
        self.actions().send_keys(*keys).perform()

    def console_errors(self):
        return [entry for entry in self.driver.get_log('browser')
                if entry['level'] in ('SEVERE', 'WARNING')]

    def tearDown(self):
        self.assertEqual(self.console_errors(), [])


def main():
    unittest.main(argv=sys.argv[:1], verbosity=2)
