# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""After one visit the site opens, and works, with its server gone."""

import os
import shutil
import tempfile

import browser


class OfflineTest(browser.PageTest):

    def caches(self):
        """The caches that hold anything: WebKit may still list one that a
        worker deleted, empty."""
        return self.run_async('''
            const done = arguments[arguments.length - 1];
            caches.keys().then(names => Promise.all(names.map(name => caches.open(name)
                .then(cache => cache.keys()).then(keys => keys.length ? name : null))))
                .then(names => done(names.filter(name => name)));''')

    def test_reload_with_the_server_gone(self):
        self.open()
        self.wait_for_worker()
        [name] = self.caches()
        self.assertTrue(name.startswith('quillomar-') and name.endswith(' ' + self.site.url), name)
        self.site.stop()
        self.engine.reload()
        self.wait_until_ready()
        self.assertEqual(self.js('return document.documentElement.dataset.state'), 'ready')
        self.assert_shows_core('offline')
        self.click_tale(12)
        self.core.select('tale', 12)
        self.assert_shows_core('offline, a tale')

    def test_a_new_worker_deletes_its_own_folders_old_caches_only(self):
        work = tempfile.mkdtemp(prefix='quillomar-offline-')
        self.addCleanup(shutil.rmtree, work)
        browser.release(os.path.join(work, 'A'), 'A', 3600)
        browser.release(os.path.join(work, 'B'), 'B', 0)
        self.site.folder = os.path.join(work, 'A')
        # First, on a page of the server that is not the site: two older
        # releases' caches of this folder, named as 1.03 named them, and one
        # of a site in another folder.
        with open(os.path.join(work, 'A', 'blank.html'), 'w') as blank:
            blank.write('<!DOCTYPE html><title>blank</title><link rel="icon" href="quillomar-192.png">')
        self.engine.open(self.site.url + 'blank.html')
        self.run_async('''
            const done = arguments[arguments.length - 1];
            const page = () => new Response('<!DOCTYPE html>');
            caches.open('quillomar-1.02').then(cache => cache.put('./', page()))
                .then(() => caches.open('quillomar-1.03')).then(cache => cache.put('./', page()))
                .then(() => caches.open('quillomar-1.03 other'))
                .then(cache => cache.put('other/', page())).then(done);''')
        # Release A's worker keeps the one before its own, for pages still
        # open with it, and the other folder's; so does release B's.
        self.open()
        self.wait_for_worker()
        self.wait_until(lambda: 'quillomar-1.02' not in self.caches(), what='1.02 to go')
        self.assertIn('quillomar-1.03', self.caches())
        [release_a] = [name for name in self.caches() if name.endswith(self.site.url)]
        self.site.folder = os.path.join(work, 'B')
        self.engine.reload()
        self.wait_until_ready()
        self.wait_for_worker()
        self.wait_until(lambda: 'quillomar-1.03' not in self.caches(), what='1.03 to go')
        self.assertEqual(len(self.caches()), 3)
        for kept in (release_a, 'quillomar-1.03 other'):
            self.assertIn(kept, self.caches())


if __name__ == '__main__':
    browser.main()
