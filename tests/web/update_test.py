# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""An installed page, when the folder on the server is replaced by a release
in which every file differs, served with HTTP caching on as schools serve
it: the new release shows by the second load, no load shows a mix of the
two, and the page opens offline afterwards.

QUILLOMAR_SERVING names the ways of serving to try, comma-separated, or
"all"; by default two: year-long assets and old file dates."""

import os
import shutil
import tempfile

import browser

DAY = 24 * 3600


def html(path):
    return path in ('/', '/index.html') or path.startswith('/?')


# Each way of serving: the headers it adds to an answer for a path, and how
# old the files are on the server.
SERVINGS = {
    'no-store': (lambda path: [('Cache-Control', 'no-store')], 0),
    # python3 -m http.server, in a folder copied with its files' dates.
    'old-file-dates': (lambda path: [], 7 * DAY),
    'max-age': (lambda path: [('Cache-Control', 'max-age=600')], 0),
    'year-long-assets': (lambda path: [('Cache-Control', 'no-cache' if html(path)
                                        else 'public, max-age=31536000, immutable')], 0),
    'last-modified-only': (lambda path: [], DAY),
}
DEFAULT = ['year-long-assets', 'old-file-dates']

# Which release's core the page gets if it asks for it now.
LATE_CORE = '''
const done = arguments[arguments.length - 1];
const text = (data, at) => new TextDecoder('utf-16le').decode(new Uint8Array(data, at));
fetch('quillomar-core.wasm').then(r => r.arrayBuffer()).then(data => done(
    ((text(data, 0) + text(data, 1)).match(/On-Clic(.)/) || [])[1]));
'''


class UpdateTest(browser.PageTest):

    def setUp(self):
        super().setUp()
        self.site.stop()  # each way of serving gets a server of its own
        self.work = tempfile.mkdtemp(prefix='quillomar-update-')
        self.addCleanup(shutil.rmtree, self.work)

    def releases(self):
        self.wait_until_ready()
        return self.js(browser.READ_RELEASES)

    def settle(self):
        """Waits until the browser has looked for a new worker, and until any
        it found has taken over."""
        self.run_async('''
            const done = arguments[arguments.length - 1];
            navigator.serviceWorker.getRegistration().then(r => r.update()).then(done, done);''')
        self.wait_for_worker()

    def load(self, online=True):
        """Loads the page again; says which release it showed, and fails on a
        mix, also in what the page asks for once a newer worker has come."""
        self.engine.reload()
        shown = self.releases()
        self.assertEqual(len(set(shown)), 1, 'a mix of releases: %s' % shown)
        if online:
            self.settle()
            self.assertEqual(self.run_async(LATE_CORE), shown[0], 'asked for later')
        return shown[0]

    def test_the_new_release_arrives_whole(self):
        names = os.environ.get('QUILLOMAR_SERVING', '')
        servings = list(SERVINGS) if names == 'all' else names.split(',') if names else DEFAULT
        for serving in servings:
            with self.subTest(serving):
                headers, age = SERVINGS[serving]
                old = os.path.join(self.work, serving, 'A')
                new = os.path.join(self.work, serving, 'B')
                # The new release's files are the newer, as after any deploy.
                browser.release(old, 'A', age + 3600)
                browser.release(new, 'B', age)
                self.site = browser.Site(old, headers)
                try:
                    self.engine.open(self.site.url)
                    self.assertEqual(self.releases(), ['A'] * 5)
                    self.settle()
                    self.assertEqual(self.load(), 'A')  # installed, and in the HTTP cache

                    self.site.folder = new
                    loads = [self.load() for _ in range(3)]
                    print('%s in %s: loads after the deploy showed %s'
                          % (serving, browser.ENGINE.name, ' '.join(loads)))
                    self.assertEqual(loads[1:], ['B', 'B'])
                    self.site.stop()
                    self.assertEqual(self.load(online=False), 'B', 'offline')
                finally:
                    self.site.stop()


if __name__ == '__main__':
    browser.main()
