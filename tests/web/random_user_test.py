# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A seeded random user: a thousand clicks and keys in any order in
Chromium, a hundred in the other engines, the page checked against the core
after each. QUILLOMAR_SEED replays another sequence; a failure names seed
and step."""

import os
import random

from selenium.webdriver.common.keys import Keys

import browser

ACTIONS = 1000 if browser.ENGINE.name == 'chromium' else 100
TALES, AUTHORS = 48, 9
SEED = int(os.environ.get('QUILLOMAR_SEED', '20261209'))


class RandomUserTest(browser.PageTest):

    def test_a_thousand_actions(self):
        self.open()
        rng = random.Random(SEED)
        cursor = -1  # the tale list's cursor: the last tale chosen
        for step in range(ACTIONS):
            focus = self.page()['focus']
            choice = rng.random()
            if choice < 0.3:
                a = rng.randrange(AUTHORS)
                self.click_author(a)
                self.core.select('author', a)
                what = 'click author %d' % a
            elif choice < 0.6:
                p = rng.randrange(TALES)
                self.click_tale(p)
                self.core.select('tale', p)
                what = 'click tale %d' % p
            elif choice < 0.75 and focus == browser.IDS['tales']:
                key, p = rng.choice([(Keys.DOWN, min(cursor + 1, TALES - 1)),
                                     (Keys.UP, max(cursor - 1, 0)) if cursor >= 0 else (Keys.DOWN, 0),
                                     (Keys.HOME, 0), (Keys.END, TALES - 1)])
                self.keys(key)
                # A key that leaves the chosen tale where it is chooses nothing.
                if p != self.core.view['tale']:
                    self.core.select('tale', p)
                what = 'key %r in the list' % key
            elif choice < 0.9 and focus.startswith('author:'):
                a = int(focus.split(':')[1])
                step_by = rng.choice([-1, 1])
                self.keys(Keys.DOWN if step_by > 0 else Keys.UP)
                self.core.select('author', (a + step_by) % AUTHORS)
                what = 'arrow %+d from author %d' % (step_by, a)
            else:
                if rng.random() < 0.5:
                    self.keys(Keys.TAB)
                else:
                    self.engine.chord(Keys.SHIFT, Keys.TAB)
                what = 'tab'
            if self.core.view['tale'] >= 0:
                cursor = self.core.view['tale']
            self.assert_shows_core('seed %d, step %d: %s' % (SEED, step, what))
        print('seed %d: %d actions' % (SEED, ACTIONS))


if __name__ == '__main__':
    browser.main()
