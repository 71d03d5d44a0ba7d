# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""After one visit the site opens, and works, with its server gone."""

from selenium.webdriver.support.ui import WebDriverWait

import browser


class OfflineTest(browser.PageTest):

    def wait_for_worker(self):
        WebDriverWait(self.driver, 10).until(lambda d: d.execute_script(
            'return navigator.serviceWorker.controller !== null'))

    def caches(self):
        return self.driver.execute_async_script(
            'caches.keys().then(arguments[arguments.length - 1])')

    def test_reload_with_the_server_gone(self):
        self.open()
        self.wait_for_worker()
        self.assertEqual(self.caches(), ['quillomar-' + browser.VERSION])
        self.site.stop()
        self.driver.refresh()
        self.wait_until_ready()
        self.assertEqual(self.driver.execute_script('return document.documentElement.dataset.state'),
                         'ready')
        self.assert_shows_core('offline')
        self.click_tale(12)
        self.core.select('tale', 12)
        self.assert_shows_core('offline, a tale')

    def test_a_new_version_replaces_the_old_cache(self):
        self.open()
        self.wait_for_worker()
        # An older version's cache, and a worker that must install afresh.
        self.driver.execute_async_script('''
            const done = arguments[arguments.length - 1];
            caches.open('quillomar-0.1').then(() => navigator.serviceWorker.getRegistration())
                .then(registration => registration.unregister()).then(done);''')
        self.assertIn('quillomar-0.1', self.caches())
        self.driver.refresh()
        self.wait_until_ready()
        self.wait_for_worker()
        WebDriverWait(self.driver, 10).until(
            lambda d: self.caches() == ['quillomar-' + browser.VERSION])


if __name__ == '__main__':
    browser.main()
