# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""axe-core (pinned in tests/web/axe/package-lock.json) finds no violation of
WCAG 2.2 A and AA or of its best practices, in six states of the page."""

import os

from selenium.webdriver.common.keys import Keys

import browser

AXE = os.environ['QUILLOMAR_AXE']
TAGS = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice']


class AuditTest(browser.PageTest):

    def audit(self, state):
        with open(AXE, encoding='utf-8') as source:
            self.js(source.read())
        result = self.run_async('''
            const done = arguments[arguments.length - 1];
            axe.run(document, {runOnly: {type: 'tag', values: arguments[0]}})
                .then(result => done(result.violations.map(v =>
                    v.id + ': ' + v.nodes.map(n => n.target.join(' ')).join(', '))),
                      error => done(['axe failed: ' + error]));''', TAGS)
        self.assertEqual(result, [], state)

    def test_no_violation_in_six_states(self):
        self.open()
        self.audit('at start')
        self.click_author(3)
        self.core.select('author', 3)
        self.audit('an author chosen')
        self.focus('tales')
        self.keys(Keys.DOWN)
        self.audit('a tale chosen')
        for name, value in [('prefers-color-scheme', 'dark'), ('forced-colors', 'active')]:
            self.engine.cdp('Emulation.setEmulatedMedia',
                            {'features': [{'name': name, 'value': value}]})
            self.audit(name)
        self.engine.cdp('Emulation.setEmulatedMedia', {'features': []})
        self.engine.viewport(390, 844, mobile=True)
        self.open()
        self.audit('a 390x844 touch phone')


if __name__ == '__main__':
    browser.main()
