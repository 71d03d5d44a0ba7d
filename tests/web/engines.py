# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The three browser engines the page is tested in, behind one small
interface: Debian's Chromium through chromedriver and WebKitGTK through
WebKitWebDriver, both with Selenium, and Firefox ESR over WebDriver BiDi,
which it speaks itself (Debian has no geckodriver) and which a small client
here talks over Python's websockets. Scripts are written as for Selenium:
they `return` a value, and asynchronous ones call their last argument."""

import asyncio
import base64
import json
import os
import shutil
import socket
import subprocess
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder

# As root and without a network: no sandbox, and no background connections.
CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
                  '--no-first-run', '--disable-background-networking',
                  '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage',
                  '--lang=bg', '--window-size=800,600']

# Firefox asked to stay quiet: no updates, reports, studies or checks of its
# own, on a machine without a network.
FIREFOX_PREFS = {
    'remote.active-protocols': 1,  # WebDriver BiDi only
    'intl.accept_languages': 'bg',
    'app.update.disabledForTesting': True,
    'browser.shell.checkDefaultBrowser': False,
    'browser.startup.homepage_override.mstone': 'ignore',
    'datareporting.policy.dataSubmissionEnabled': False,
    'toolkit.telemetry.reportingpolicy.firstRun': False,
    'network.captive-portal-service.enabled': False,
    'network.connectivity-service.enabled': False,
    'browser.safebrowsing.update.enabled': False,
    'extensions.update.enabled': False,
    'app.normandy.enabled': False,
    'browser.region.network.url': '',
    'ui.prefersReducedMotion': 1,
}

MINIBROWSER = '/usr/lib/%s/webkit2gtk-4.1/MiniBrowser' % os.popen(
    'dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || echo x86_64-linux-gnu').read().strip()


class SeleniumEngine:
    """Chromium or WebKitGTK through their WebDriver."""

    def __init__(self, driver, profile=None):
        self.driver = driver
        self.profile = profile

    def open(self, url):
        self.driver.get(url)

    def reload(self):
        self.driver.refresh()

    def run(self, script, *args):
        return self.driver.execute_script(script, *args)

    def run_async(self, script, *args):
        return self.driver.execute_async_script(script, *args)

    def keys(self, *keys):
        # At once: Selenium 4.8 would take 250 ms to move the pointer, for
        # every action, while the page may still change beneath it.
        for key in keys:
            ActionChains(self.driver, duration=0).send_keys(key).perform()

    def chord(self, modifier, key):
        ActionChains(self.driver, duration=0).key_down(modifier).send_keys(key) \
            .key_up(modifier).perform()

    def tap(self, x, y):
        builder = ActionBuilder(self.driver, duration=0)
        builder.pointer_action.move_to_location(int(x), int(y))
        builder.pointer_action.click()
        builder.perform()

    def screenshot(self):
        return self.driver.get_screenshot_as_png()

    def has_accessible_name(self, role, name):
        """Whether an element of that ARIA role has that accessible name."""
        from selenium.webdriver.common.by import By
        return any(element.accessible_name == name
                   for element in self.driver.find_elements(By.CSS_SELECTOR, '[role="%s"]' % role))

    def quit(self):
        self.driver.quit()
        if self.profile:
            self.profile.cleanup()


class Chromium(SeleniumEngine):
    name = 'chromium'

    def __init__(self, extra_flags=(), touch=False):  # touch comes with viewport(mobile=True)
        options = webdriver.ChromeOptions()
        options.binary_location = '/usr/bin/chromium'
        profile = tempfile.TemporaryDirectory(prefix='quillomar-chromium-')
        for flag in CHROMIUM_FLAGS + list(extra_flags) + ['--user-data-dir=' + profile.name]:
            options.add_argument(flag)
        options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
        from selenium.webdriver.chrome.service import Service
        super().__init__(webdriver.Chrome(service=Service('/usr/bin/chromedriver'),
                                          options=options), profile)

    def viewport(self, width, height, mobile=False):
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': 3 if mobile else 1,
            'mobile': mobile})
        self.driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': mobile})

    def errors(self):
        return [entry for entry in self.driver.get_log('browser')
                if entry['level'] in ('SEVERE', 'WARNING')]

    def cdp(self, command, params):
        return self.driver.execute_cdp_cmd(command, params)


class WebKit(SeleniumEngine):
    """WebKitGTK's MiniBrowser, in a window: it needs an X server and a
    window manager (tests/web/with-window-manager)."""
    name = 'webkit'
    # Narrower windows are not kept: GTK's toolbar sets the least width.
    least_width = 447

    def __init__(self, extra_flags=(), touch=False):  # no touch screen to emulate
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        options.add_argument('--automation')
        try:
            from selenium.webdriver.webkitgtk.service import Service
            driver = webdriver.WebKitGTK(service=Service('/usr/bin/WebKitWebDriver'),
                                         options=options)
        except TypeError:  # Selenium before 4.10
            driver = webdriver.WebKitGTK(executable_path='/usr/bin/WebKitWebDriver',
                                         options=options)
        super().__init__(driver)
        self.viewport(800, 600)

    def viewport(self, width, height, mobile=False):
        # The window's size less what its toolbar takes.
        self.driver.set_window_size(max(width, self.least_width), height)
        inner = self.run('return [innerWidth, innerHeight]')
        size = self.driver.get_window_size()
        self.driver.set_window_size(size['width'] + max(width, self.least_width) - inner[0],
                                    size['height'] + height - inner[1])

    def errors(self):
        return []  # WebKitWebDriver has no log


class Firefox:
    """Firefox ESR driven over WebDriver BiDi from a thread of its own."""
    name = 'firefox'

    def __init__(self, extra_flags=(), touch=False):
        self.profile = tempfile.mkdtemp(prefix='quillomar-firefox-')
        # A finger for a pointer, as a touch screen's (pointer: coarse).
        pointer = {'ui.primaryPointerCapabilities': 1, 'ui.allPointerCapabilities': 1}
        with open(os.path.join(self.profile, 'user.js'), 'w') as prefs:
            for name, value in {**FIREFOX_PREFS, **(pointer if touch else {})}.items():
                prefs.write('user_pref(%s, %s);\n' % (json.dumps(name), json.dumps(value)))
        with socket.socket() as probe:
            probe.bind(('127.0.0.1', 0))
            port = probe.getsockname()[1]
        self.process = subprocess.Popen(
            ['firefox-esr', '--headless', '--no-remote', '--profile', self.profile,
             '--remote-debugging-port=%d' % port, '--width=800', '--height=600', 'about:blank'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.loop = asyncio.new_event_loop()
        self.thread = threading.Thread(target=self.loop.run_forever, daemon=True)
        self.thread.start()
        self.pending, self.next_id, self.entries = {}, 0, []
        self.call_soon(self.connect(port))
        self.command('session.new', {'capabilities': {}})
        self.command('session.subscribe', {'events': ['log.entryAdded']})
        self.context = self.command('browsingContext.getTree', {})['contexts'][0]['context']
        self.viewport(800, 600)

    def call_soon(self, coroutine, timeout=60):
        return asyncio.run_coroutine_threadsafe(coroutine, self.loop).result(timeout)

    async def connect(self, port):
        import websockets
        for _ in range(300):
            try:
                self.socket = await websockets.connect('ws://127.0.0.1:%d/session' % port,
                                                       max_size=None)
                break
            except OSError:
                await asyncio.sleep(0.1)
        else:
            raise RuntimeError('Firefox did not open its WebDriver BiDi port')
        self.reader = asyncio.ensure_future(self.read())

    async def read(self):
        async for text in self.socket:
            message = json.loads(text)
            if 'id' in message:
                self.pending.pop(message['id']).set_result(message)
            elif message.get('method') == 'log.entryAdded':
                self.entries.append(message['params'])

    async def send(self, method, params):
        self.next_id += 1
        answer = self.loop.create_future()
        self.pending[self.next_id] = answer
        await self.socket.send(json.dumps({'id': self.next_id, 'method': method, 'params': params}))
        return await answer

    def command(self, method, params):
        message = self.call_soon(self.send(method, params))
        if message.get('type') == 'error':
            raise RuntimeError('%s: %s: %s' % (method, message['error'], message.get('message')))
        return message['result']

    def open(self, url):
        self.command('browsingContext.navigate',
                     {'context': self.context, 'url': url, 'wait': 'complete'})

    def reload(self):
        self.command('browsingContext.reload', {'context': self.context, 'wait': 'complete'})

    def call(self, declaration, args):
        result = self.command('script.callFunction', {
            'functionDeclaration': declaration, 'arguments': [local(arg) for arg in args],
            'target': {'context': self.context}, 'awaitPromise': True,
            'serializationOptions': {'maxObjectDepth': 8}})
        if result['type'] == 'exception':
            raise RuntimeError(result['exceptionDetails']['text'])
        return remote(result['result'])

    def run(self, script, *args):
        return self.call('function() {\n%s\n}' % script, args)

    def run_async(self, script, *args):
        return self.call('function() { const args = Array.from(arguments);'
                         ' return new Promise(done => (function() {\n%s\n})'
                         '.apply(this, args.concat([done]))); }' % script, args)

    def perform(self, *sources):
        self.command('input.performActions', {'context': self.context, 'actions': list(sources)})

    def keys(self, *keys):
        for key in keys:
            self.perform({'type': 'key', 'id': 'keyboard', 'actions': [
                {'type': 'keyDown', 'value': key}, {'type': 'keyUp', 'value': key}]})

    def chord(self, modifier, key):
        self.perform({'type': 'key', 'id': 'keyboard', 'actions': [
            {'type': 'keyDown', 'value': modifier}, {'type': 'keyDown', 'value': key},
            {'type': 'keyUp', 'value': key}, {'type': 'keyUp', 'value': modifier}]})

    def tap(self, x, y):
        self.perform({'type': 'pointer', 'id': 'mouse', 'parameters': {'pointerType': 'mouse'},
                      'actions': [{'type': 'pointerMove', 'x': int(x), 'y': int(y), 'duration': 0},
                                  {'type': 'pointerDown', 'button': 0},
                                  {'type': 'pointerUp', 'button': 0}]})

    def screenshot(self):
        data = self.command('browsingContext.captureScreenshot', {'context': self.context})['data']
        return base64.b64decode(data)

    def has_accessible_name(self, role, name):
        found = self.command('browsingContext.locateNodes', {
            'context': self.context,
            'locator': {'type': 'accessibility', 'value': {'role': role, 'name': name}}})
        return bool(found['nodes'])

    def viewport(self, width, height, mobile=False):
        self.command('browsingContext.setViewport', {
            'context': self.context, 'viewport': {'width': width, 'height': height},
            'devicePixelRatio': 3 if mobile else 1})

    def errors(self):
        return [entry for entry in self.entries if entry.get('level') in ('error', 'warn')]

    def quit(self):
        try:
            self.command('session.end', {})
        except Exception:
            pass
        self.call_soon(self.socket.close())
        self.loop.call_soon_threadsafe(self.loop.stop)
        self.thread.join()
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


def local(value):
    """A Python value as a WebDriver BiDi LocalValue."""
    if value is None:
        return {'type': 'null'}
    if isinstance(value, bool):
        return {'type': 'boolean', 'value': value}
    if isinstance(value, (int, float)):
        return {'type': 'number', 'value': value}
    if isinstance(value, str):
        return {'type': 'string', 'value': value}
    if isinstance(value, (list, tuple)):
        return {'type': 'array', 'value': [local(item) for item in value]}
    raise TypeError(value)


def remote(value):
    """A WebDriver BiDi RemoteValue as a Python value."""
    kind = value['type']
    if kind in ('string', 'boolean'):
        return value['value']
    if kind == 'number':
        number = value['value']
        return number if not isinstance(number, str) else float(number)
    if kind == 'array':
        return [remote(item) for item in value.get('value', [])]
    if kind == 'object':
        return {key: remote(item) for key, item in value.get('value', [])}
    return None


ENGINES = {engine.name: engine for engine in (Chromium, Firefox, WebKit)}
