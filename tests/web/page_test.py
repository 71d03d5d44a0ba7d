# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page in Chromium, driven with real clicks and keys, against the core."""

import collections
import io

from PIL import Image
from selenium.webdriver.common.keys import Keys

import browser


# The window's design in twips, 15 to a CSS pixel: left, top, width and
# height in the window; the author buttons are one under another in the frame.
TWIPS_PER_PIXEL = 15
FRAME = (120, 600, 3375, 3255)
DESIGN_TWIPS = {
    'window': (0, 0, 8550, 5880),
    'Text1_0': (120, 3960, 8295, 2055),
    'Label1_0': (960, 0, 6495, 375),
    'Frame1': FRAME,
    'List1_0': (3720, 900, 4695, 1485),
    'Label1_1': (3720, 600, 4695, 300),
    **{'Option1_%d' % a: (FRAME[0] + 120, FRAME[1] + 300 + 300 * a, 3135, 300) for a in range(9)},
}


class PageTest(browser.PageTest):

    def test_opens_like_the_window_with_the_output_box_focused(self):
        self.open()
        self.assert_shows_core()
        self.assertEqual(self.page()['focus'], 'Text1_0')
        self.assertEqual(self.driver.execute_script('return document.title'),
                         'www.prikazki.example\xa0\xa0\xa0Quillomar')

    def test_clicks_mirror_the_core_and_repeated_choices_count_again(self):
        self.open()
        for kind, index in [('author', 2), ('tale', 10), ('tale', 47), ('author', 8), ('tale', 0)]:
            getattr(self, 'click_' + kind)(index)
            self.core.select(kind, index)
            self.assert_shows_core('%s %d' % (kind, index))
        # The chosen tale again: the report is written again, from its top.
        self.driver.execute_script('document.getElementById("Text1_0").scrollTop = 1000')
        self.click_tale(0)
        self.core.select('tale', 0)
        self.assert_shows_core('tale 0 again')
        # Its author again: a new author choice, which clears the tale.
        author = self.core.view['author']
        self.click_author(author)
        self.assertEqual(self.core.select('author', author)['tale'], -1)
        self.assert_shows_core('author %d again' % author)

    def test_tab_stops_follow_the_keyboard_order(self):
        self.open()
        stops = []
        for _ in range(3):
            self.keys(Keys.TAB)
            stops.append(self.page()['focus'])
        # The group is one stop, the first button while none is checked.
        self.assertEqual(stops[:2], ['author:0', 'List1_0'])
        self.click_author(5)
        self.core.select('author', 5)
        self.driver.execute_script('document.getElementById("Text1_0").focus()')
        self.keys(Keys.TAB)
        self.assertEqual(self.page()['focus'], 'List1_0')
        self.keys(Keys.TAB)
        self.assertEqual(self.page()['focus'], 'author:5')
        self.keys(Keys.SHIFT, Keys.TAB, Keys.TAB, Keys.SHIFT)
        self.assertEqual(self.page()['focus'], 'Text1_0')
        self.assert_shows_core()

    def test_arrow_keys_choose_round_the_author_group(self):
        self.open()
        self.click_author(7)
        self.core.select('author', 7)
        for key, to in [(Keys.DOWN, 8), (Keys.RIGHT, 0), (Keys.UP, 8), (Keys.LEFT, 7)]:
            self.keys(key)
            self.core.select('author', to)
            self.assert_shows_core(key)
            self.assertEqual(self.page()['focus'], 'author:%d' % to)

    def test_first_key_in_an_untouched_list_chooses_the_first_title(self):
        for key in (Keys.DOWN, Keys.SPACE):
            self.core = browser.Core()
            self.addCleanup(self.core.close)
            self.open()
            self.driver.execute_script('document.getElementById("List1_0").focus()')
            self.assert_shows_core('focus alone chooses nothing')
            self.keys(key)
            self.core.select('tale', 0)
            self.assert_shows_core(repr(key))

    def test_list_keys_carry_on_from_the_last_chosen_tale(self):
        self.open()
        self.click_tale(3)
        self.core.select('tale', 3)
        self.click_author(0)
        self.core.select('author', 0)
        self.driver.execute_script('document.getElementById("List1_0").focus()')
        self.keys(Keys.DOWN)
        self.core.select('tale', 4)
        self.assert_shows_core('down')
        self.keys(Keys.END)
        self.core.select('tale', 47)
        self.assert_shows_core('end')

    def test_screen_reader_names_from_the_accessibility_tree(self):
        self.open()
        self.click_tale(5)
        view = self.core.select('tale', 5)
        nodes = self.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']

        def named(role):
            return [(node['name']['value'], node.get('description', {}).get('value', ''))
                    for node in nodes if node.get('role', {}).get('value') == role
                    and not node.get('ignored')]
        self.assertIn(('Име на автор', ''), named('group'))
        self.assertEqual(named('listbox'), [('Приказка', '')])
        self.assertEqual(named('textbox'),
                         [('Сведения за автора', view['text'].split('\r\n')[0])])
        self.assertEqual(len(named('radio')), 9)
        self.assertIn((view['name'], ''), named('option'))
        self.assertEqual(len(named('option')), 48)

    def test_geometry_follows_the_layout_at_full_size_and_on_a_phone(self):
        self.open()
        expected = {key: [twips / TWIPS_PER_PIXEL for twips in rect]
                    for key, rect in DESIGN_TWIPS.items()}
        for width, scale in [(None, 1.0), (360, 360 / expected['window'][2])]:
            if width:
                self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
                    'width': width, 'height': 740, 'deviceScaleFactor': 3, 'mobile': True})
            boxes = self.driver.execute_script('''
                const window = document.getElementById('window').getBoundingClientRect();
                const boxes = {window: [0, 0, window.width, window.height],
                               scroll: document.documentElement.scrollWidth,
                               viewport: document.documentElement.clientWidth};
                for (const id of arguments[0]) {
                    const box = document.getElementById(id).getBoundingClientRect();
                    boxes[id] = [box.left - window.left, box.top - window.top, box.width, box.height];
                }
                return boxes;''', [key for key in expected if key != 'window'])
            self.assertLessEqual(boxes['scroll'], boxes['viewport'], 'no sideways scrolling')
            for key, rect in expected.items():
                for got, want in zip(boxes[key], rect):
                    self.assertAlmostEqual(got, want * scale, delta=1,
                                           msg='%s at width %s' % (key, width))
        # Taps on the phone choose what they land on.
        self.click_author(6)
        self.core.select('author', 6)
        self.click_tale(30)
        self.core.select('tale', 30)
        self.assert_shows_core('taps')

    def test_a_failing_control_operation_shows_the_run_time_error(self):
        self.open()
        # A 49th title, which the core's list does not have.
        self.driver.execute_script(
            'document.getElementById("List1_0").add(new Option("?"))')
        self.click_tale(48)
        error = self.core.select('tale', 48)['error']
        self.assertNotEqual(error, 0)
        page = self.page()
        self.assertIn(str(error), page['status'])
        self.assertTrue(self.driver.execute_script(
            'return document.getElementById("window").inert'
            ' && document.documentElement.dataset.state === "ended"'
            ' && !document.getElementById("status").closest("[inert]")'))


def luminance(rgb):
    def channel(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in rgb[:3])
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def drawn_contrast(pixels):
    """The commonest colour is the background; the text is the pixel that
    stands out most from it."""
    background = collections.Counter(pixels).most_common(1)[0][0]
    return max(contrast(background, pixel) for pixel in pixels)


class ContrastTest(browser.PageTest):

    # Where text is drawn: each caption and title, the chosen tale and the
    # others, the report. Inset from the edges, which are borders.
    REGIONS = """
        const regions = {};
        const add = (name, box, left = 0) => regions[name] =
            [box.left + left + 2, box.top + 2, box.right - 2, box.bottom - 2];
        for (const id of ['Label1_0', 'Label1_1', 'Text1_0'])
            add(id, document.getElementById(id).getBoundingClientRect());
        add('legend', document.querySelector('legend').getBoundingClientRect());
        document.querySelectorAll('#Frame1 label').forEach(
            (label, a) => add('author ' + a, label.getBoundingClientRect(), 20));
        const tales = document.getElementById('List1_0');
        add('chosen tale', tales.options[tales.selectedIndex].getBoundingClientRect());
        add('other tale', tales.options[tales.selectedIndex + 1].getBoundingClientRect());
        return regions;"""

    def test_every_text_stands_out_in_light_dark_and_forced_colours(self):
        self.open()
        self.click_tale(1)
        self.driver.execute_script('document.getElementById("List1_0").focus()')
        for features in ([], [('prefers-color-scheme', 'dark')],
                         [('forced-colors', 'active'), ('prefers-color-scheme', 'dark')],
                         [('forced-colors', 'active'), ('prefers-color-scheme', 'light')]):
            self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': [
                {'name': name, 'value': value} for name, value in features]})
            regions = self.driver.execute_script(self.REGIONS)
            shot = Image.open(io.BytesIO(self.driver.get_screenshot_as_png())).convert('RGB')
            for name, box in regions.items():
                pixels = list(shot.crop(tuple(round(v) for v in box)).getdata())
                self.assertGreaterEqual(drawn_contrast(pixels), 4.5, '%s in %s' % (name, features))


class WithoutWebAssemblyTest(browser.PageTest):

    def test_says_so_in_one_sentence_and_keeps_the_filled_window(self):
        self.driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument',
                                    {'source': 'delete globalThis.WebAssembly'})
        self.open()
        page = self.page()
        self.assertEqual(self.driver.execute_script('return document.documentElement.dataset.state'),
                         'unsupported')
        self.assertIn('WebAssembly', page['status'])
        self.assertEqual(page['status'].count('.'), 1)
        self.assertEqual(page['text'], self.core.view['text'].replace('\r\n', '\n'))


if __name__ == '__main__':
    browser.main()
