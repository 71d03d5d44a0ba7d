# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""After one visit the site opens, and works, with its server gone."""

import browser


class OfflineTest(browser.PageTest):

    def wait_for_worker(self):
        self.wait_until(lambda: self.js('return navigator.serviceWorker.controller !== null'),
                        what='the service worker')

    def caches(self):
        return self.run_async('caches.keys().then(arguments[arguments.length - 1])')

    def test_reload_with_the_server_gone(self):
        self.open()
        self.wait_for_worker()
        self.assertEqual(self.caches(), ['quillomar-' + browser.VERSION])
        self.site.stop()
        self.engine.reload()
        self.wait_until_ready()
        self.assertEqual(self.js('return document.documentElement.dataset.state'), 'ready')
        self.assert_shows_core('offline')
        self.click_tale(12)
        self.core.select('tale', 12)
        self.assert_shows_core('offline, a tale')

    def test_a_new_version_replaces_the_old_cache(self):
        self.open()
        self.wait_for_worker()
        # An older version's cache, and a worker that must install afresh.
        self.run_async('''
            const done = arguments[arguments.length - 1];
            caches.open('quillomar-0.1').then(() => navigator.serviceWorker.getRegistration())
                .then(registration => registration.unregister()).then(done);''')
        self.assertIn('quillomar-0.1', self.caches())
        self.engine.reload()
        self.wait_until_ready()
        self.wait_for_worker()
        self.wait_until(lambda: self.caches() == ['quillomar-' + browser.VERSION],
                        what='the old cache to go')


if __name__ == '__main__':
    browser.main()
