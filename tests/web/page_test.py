# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page in a browser engine, driven with real clicks and keys, against
the core."""

import io
import os
import shutil
import subprocess
import tempfile
import time

from PIL import Image
from selenium.webdriver.common.keys import Keys

import browser
from browser import AUTHOR, IDS, only_in

# The window's design in twips, 15 to a CSS pixel: left, top, width and
# height in the window; the author buttons are one under another in the frame.
TWIPS_PER_PIXEL = 15
FRAME = (120, 600, 3375, 3255)
DESIGN_TWIPS = {
    '#' + IDS['window']: (0, 0, 8550, 5880),
    '#' + IDS['output']: (120, 3960, 8295, 2055),
    '#' + IDS['title']: (960, 0, 6495, 375),
    '#' + IDS['frame']: FRAME,
    '#' + IDS['tales']: (3720, 900, 4695, 1485),
    '#' + IDS['heading']: (3720, 600, 4695, 300),
    **{AUTHOR % (a + 1): (FRAME[0] + 120, FRAME[1] + 300 + 300 * a, 3135, 300) for a in range(9)},
}

# Where each control is, relative to the window, by its selector.
BOXES = '''
const window = document.getElementById('%(window)s').getBoundingClientRect();
const boxes = {scroll: document.documentElement.scrollWidth,
               viewport: document.documentElement.clientWidth};
for (const selector of arguments[0]) {
    const box = document.querySelector(selector).getBoundingClientRect();
    boxes[selector] = [box.left - window.left, box.top - window.top, box.width, box.height];
}
return boxes;''' % IDS


# The one column's measures, for assert_one_column.
COLUMN = '''
const box = (e) => e.getBoundingClientRect();
const order = ['%(title)s', '%(frame)s', '%(heading)s', '%(tales)s', '%(output)s']
    .map(id => box(document.getElementById(id)).top);
const titles = document.querySelectorAll('[role=option]');
const text = Array.from(document.querySelectorAll('#%(window)s *'))
    .filter(e => e.childNodes.length && e.textContent.trim())
    .map(e => parseFloat(getComputedStyle(e).fontSize));
const output = document.getElementById('%(output)s');
return {
    order: order,
    scroll: document.documentElement.scrollWidth,
    viewport: document.documentElement.clientWidth,
    radioRows: Math.min(...Array.from(document.querySelectorAll('#%(frame)s label'))
                        .map(e => box(e).height)),
    titleRows: Math.min(...Array.from(titles).map(e => box(e).height)),
    listRows: document.getElementById('%(tales)s').clientHeight / box(titles[0]).height,
    outputLines: output.clientHeight / parseFloat(getComputedStyle(output).lineHeight),
    smallestText: Math.min(...text)};''' % IDS


def assert_one_column(test, where):
    """The controls stacked in reading order, rows a finger can hit, text
    at 16 pixels at least, no sideways scrolling, and the list and the
    output box showing lines enough."""
    layout = test.js(COLUMN)
    test.assertEqual(layout['order'], sorted(layout['order']), where + ': reading order')
    test.assertLessEqual(layout['scroll'], layout['viewport'], where + ': sideways')
    test.assertGreaterEqual(layout['radioRows'], 44, where)
    test.assertGreaterEqual(layout['titleRows'], 44, where)
    test.assertGreaterEqual(layout['listRows'], 5, where)
    test.assertGreaterEqual(layout['outputLines'], 8, where)
    test.assertGreaterEqual(layout['smallestText'], 16, where)


class PageTest(browser.PageTest):

    def test_opens_like_the_window_with_the_output_box_focused(self):
        self.open()
        self.assert_shows_core()
        self.assertEqual(self.page()['focus'], IDS['output'])
        self.assertEqual(self.js('return document.title'),
                         'www.prikazki.example\xa0\xa0\xa0Quillomar')

    def test_clicks_mirror_the_core_and_repeated_choices_count_again(self):
        self.open()
        for kind, index in [('author', 2), ('tale', 10), ('tale', 47), ('author', 8), ('tale', 0)]:
            getattr(self, 'click_' + kind)(index)
            self.core.select(kind, index)
            self.assert_shows_core('%s %d' % (kind, index))
        # The chosen tale again: the report is written again, from its top.
        self.js('document.getElementById(arguments[0]).scrollTop = 1000', IDS['output'])
        self.click_tale(0)
        self.core.select('tale', 0)
        self.assert_shows_core('tale 0 again')
        # Its author again: a new author choice, which clears the tale.
        author = self.core.view['author']
        self.click_author(author)
        self.assertEqual(self.core.select('author', author)['tale'], -1)
        self.assert_shows_core('author %d again' % author)

    def test_tab_goes_round_the_window_in_reading_order(self):
        self.open()
        # From the output box, past the browser's own controls if any, round
        # to the author group (one stop: the first button while none is
        # checked) and the tale list.
        # (While the browser's controls have the focus, the page's active
        # element may still be the output box.)
        def round_from_output():
            stops = []
            for _ in range(6):
                self.keys(Keys.TAB)
                focus = self.page()['focus']
                if focus == IDS['output'] and stops:
                    return stops
                if focus and focus != IDS['output']:
                    stops.append(focus)
            self.fail('Tab never came back to the output box: %s' % stops)
        self.assertEqual(round_from_output(), ['author:0', IDS['tales']])
        self.assertFalse(self.js('return Array.from(document.querySelectorAll("[tabindex]"))'
                                  '.some(e => e.tabIndex > 0)'), 'no positive tabindex')
        self.click_author(5)
        self.core.select('author', 5)
        self.focus('output')
        self.assertEqual(round_from_output(), ['author:5', IDS['tales']])
        self.focus('tales')
        self.engine.chord(Keys.SHIFT, Keys.TAB)
        self.assertEqual(self.page()['focus'], 'author:5')
        self.assert_shows_core()

    def test_arrow_keys_choose_round_the_author_group(self):
        self.open()
        self.click_author(7)
        self.core.select('author', 7)
        for key, to in [(Keys.DOWN, 8), (Keys.RIGHT, 0), (Keys.UP, 8), (Keys.LEFT, 7)]:
            self.keys(key)
            self.core.select('author', to)
            self.assert_shows_core(repr(key))
            self.assertEqual(self.page()['focus'], 'author:%d' % to)

    def test_first_key_in_an_untouched_list_chooses_the_first_title(self):
        for key in (Keys.DOWN, Keys.SPACE):
            self.core = browser.Core()
            self.addCleanup(self.core.close)
            self.open()
            self.focus('tales')
            self.assert_shows_core('focus alone chooses nothing')
            self.keys(key)
            self.core.select('tale', 0)
            self.assert_shows_core(repr(key))

    def test_list_keys_and_letters_carry_on_from_the_last_chosen_tale(self):
        self.open()
        self.click_tale(3)
        self.core.select('tale', 3)
        self.click_author(0)
        self.core.select('author', 0)
        self.focus('tales')
        for key, tale in [(Keys.DOWN, 4), (Keys.END, 47), (Keys.PAGE_UP, 43), (Keys.HOME, 0),
                          (Keys.PAGE_DOWN, 4), ('х', 42), ('Х', 43), ('б', 0)]:
            self.keys(key)
            self.core.select('tale', tale)
            self.assert_shows_core(repr(key))
        # The chosen title stays in sight.
        self.keys(Keys.END)
        self.core.select('tale', 47)
        self.assertTrue(self.js('''
            const list = document.getElementById(arguments[0]).getBoundingClientRect();
            const title = document.querySelector('[aria-selected=true]').getBoundingClientRect();
            return title.top >= list.top && title.bottom <= list.bottom;''', IDS['tales']))

    def test_screen_readers_hear_each_report_once_by_its_first_line(self):
        self.open()
        self.assertEqual(self.page()['spoken'], '')
        seen = set()
        for kind, index in [('author', 1), ('author', 1), ('tale', 5), ('tale', 5)]:
            getattr(self, 'click_' + kind)(index)
            view = self.core.select(kind, index)
            spoken = self.js('return document.getElementById(arguments[0]).textContent',
                             IDS['report'])
            self.assertEqual(spoken.strip(), view['text'].split('\r\n')[0])
            # The same report again is said again: the region's text changes.
            self.assertNotIn(spoken, seen)
            seen = {spoken}
        self.assertEqual(self.page()['focus'], IDS['tales'], 'the report takes no focus')
        roles = self.js('''
            const role = (selector) => document.querySelector(selector);
            return {
                main: [role('main').getAttribute('aria-label')],
                h1: Array.from(document.querySelectorAll('h1')).map(h => h.textContent),
                group: Array.from(document.querySelectorAll('fieldset > legend'))
                    .map(legend => legend.textContent),
                listbox: [role('[role=listbox]').getAttribute('aria-labelledby')],
                live: [role('#%(report)s').getAttribute('aria-live')],
                outside: [!!role('#%(report)s').closest('main')]};''' % IDS)
        self.assertEqual(roles, {'main': ['Quillomar'], 'h1': ['Quillomar'],
                                 'group': ['Име на автор'], 'listbox': [IDS['heading']],
                                 'live': ['polite'], 'outside': [False]})

    def test_the_chosen_tale_is_named_with_its_author_without_padding(self):
        self.open()
        # A padded title, and a title by the author whose name is padded.
        for tale, name in [(19, 'Майстор на майсторите, автор: Ангел Каралийчев'),
                           (1, 'Белоснежка и Червенорозка, автор: Братя Грим')]:
            self.click_tale(tale)
            self.assertEqual(self.page()['name'], name)
        self.click_author(3)
        self.assertEqual(self.page()['name'], '', 'no tale chosen')

    def test_every_title_is_named_without_its_padding(self):
        self.open()
        for name in ('Майстор на майсторите', 'Приказка за златното петле',
                     'Приказка за мъртвата царкиня и за седемте юнаци',
                     'Приказка за рибаря и златната рибка', 'Снежната царица'):
            self.assertTrue(self.engine.has_accessible_name('option', name), name)

    @only_in('chromium')
    def test_accessibility_tree_names_every_control(self):
        self.open()
        self.click_tale(5)
        view = self.core.select('tale', 5)
        nodes = self.engine.cdp('Accessibility.getFullAXTree', {})['nodes']

        def named(role):
            return [(node['name']['value'], node.get('description', {}).get('value', ''))
                    for node in nodes if node.get('role', {}).get('value') == role
                    and not node.get('ignored')]
        self.assertEqual(named('main'), [('Quillomar', '')])
        self.assertEqual(named('heading')[0], ('Quillomar', ''))
        self.assertEqual(named('group'), [('Име на автор', '')])
        self.assertEqual(named('listbox'), [('Приказка', '')])
        self.assertEqual(named('textbox'),
                         [('Сведения за автора', view['text'].split('\r\n')[0])])
        self.assertEqual(len(named('radio')), 9)
        self.assertIn(('Джелсомино в страната на лъжците, автор: Джани Родари', ''),
                      named('option'))
        self.assertEqual(len(named('option')), 48)

    def boxes(self, expected):
        return self.js(BOXES, list(expected))

    def test_geometry_follows_the_design_to_the_pixel_at_full_size(self):
        self.open()
        expected = {key: [twips / TWIPS_PER_PIXEL for twips in rect]
                    for key, rect in DESIGN_TWIPS.items()}
        boxes = self.boxes(expected)
        for key, rect in expected.items():
            for got, want in zip(boxes[key], rect):
                self.assertAlmostEqual(got, want, delta=1, msg=key)
        # Each caption begins after its radio mark by the design's gap.
        gaps = self.js('''
            return Array.from(document.querySelectorAll('#%(frame)s > label')).map(label => {
                const caption = document.createRange();
                caption.selectNodeContents(label.lastChild);
                return caption.getBoundingClientRect().left
                    - label.querySelector('.mark').getBoundingClientRect().right;
            });''' % IDS)
        self.assertEqual(len(gaps), 9)
        for a, gap in enumerate(gaps):
            self.assertAlmostEqual(gap, 4, delta=0.5, msg='author %d' % a)
        # Rows and lines are as tall in every engine.
        self.assertEqual(self.js('''
            const titles = document.querySelectorAll('[role=option]');
            return [titles[1].getBoundingClientRect().top - titles[0].getBoundingClientRect().top,
                    getComputedStyle(document.getElementById(arguments[0])).lineHeight];''',
            IDS['output']), [19, '19px'])

    def test_phones_stack_the_controls_with_rows_a_finger_can_hit(self):
        least = getattr(self.engine, 'least_width', 320)
        for width, height in sorted({(max(390, least), 844), (max(320, least), 640)}):
            self.engine.viewport(width, height, mobile=True)
            self.open()
            assert_one_column(self, '%dx%d' % (width, height))
        # Taps on the phone choose what they land on.
        self.click_author(6)
        self.core.select('author', 6)
        self.click_tale(30)
        self.core.select('tale', 30)
        self.assert_shows_core('taps')


    def test_the_users_text_spacing_loses_no_text(self):
        # WCAG 1.4.12's spacing, as a style sheet an extension adds.
        folder = os.path.join(tempfile.mkdtemp(prefix='quillomar-spacing-'), 'site')
        self.addCleanup(shutil.rmtree, os.path.dirname(folder))
        shutil.copytree(browser.SITE, folder)
        with open(os.path.join(folder, 'spacing.css'), 'w') as sheet:
            sheet.write('* { line-height: 1.5 !important; letter-spacing: 0.12em !important;'
                        ' word-spacing: 0.16em !important; }'
                        ' p { margin-bottom: 2em !important; }\n')
        self.site.folder = folder
        least = getattr(self.engine, 'least_width', 400)
        for width, height in ((800, 600), (max(400, least), 600)):  # the second as at 200 %
            self.engine.viewport(width, height)
            self.open()
            self.js('''const link = document.createElement('link');
                link.rel = 'stylesheet';
                link.href = 'spacing.css';
                document.head.append(link);''')
            self.wait_until(lambda: self.js(
                'return getComputedStyle(document.querySelector("[role=option]")).letterSpacing'
                ' !== "normal"'), what='the spacing')
            cut = '''
                const texts = document.querySelectorAll(
                    '#%(frame)s > label, #%(frame)s > legend, [role=option], .label');
                return Array.from(texts).filter(e => e.scrollWidth > e.clientWidth + 1
                    || e.scrollHeight > e.clientHeight + 1).map(e => e.textContent.trim());''' % IDS
            end = time.monotonic() + 2  # the page may take a frame to follow
            while self.js(cut) and time.monotonic() < end:
                time.sleep(0.05)
            self.assertEqual(self.js(cut), [], '%dx%d' % (width, height))

    def test_a_failing_control_operation_shows_the_run_time_error(self):
        self.open()
        # A 49th title, which the core's list does not have.
        self.js('''
            const title = document.createElement('div');
            title.setAttribute('role', 'option');
            title.textContent = '?';
            document.getElementById(arguments[0]).append(title);''', IDS['tales'])
        self.click_tale(48)
        error = self.core.select('tale', -1)['error']
        self.assertNotEqual(error, 0)
        page = self.page()
        self.assertIn(str(error), page['status'])
        self.assertTrue(self.js(
            'return document.getElementById("%(window)s").inert'
            ' && document.documentElement.dataset.state === "ended"'
            ' && !document.getElementById("%(status)s").closest("[inert]")' % IDS))


@only_in('chromium', 'firefox')
class TouchTest(browser.PageTest):
    """On a touch screen of any size the page is the one column: a tablet
    either way up, a phone on its side. WebKitGTK has no touch screen to
    emulate."""

    touch = True

    def test_tablets_and_phones_on_their_side_get_rows_a_finger_can_hit(self):
        for width, height in ((768, 1024), (1024, 768), (844, 390), (640, 360)):
            self.engine.viewport(width, height, mobile=True)
            self.open()
            assert_one_column(self, '%dx%d' % (width, height))
        self.click_author(2)
        self.core.select('author', 2)
        self.click_tale(40)
        self.core.select('tale', 40)
        self.assert_shows_core('taps')


class Contrast:
    """How text drawn on a background stands out, measured by the native
    tests' arithmetic (quillomar_contrast, beside the reference core)."""

    def __init__(self):
        tool = os.path.join(os.path.dirname(browser.REPLAY), 'quillomar_contrast')
        self.process = subprocess.Popen([tool], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True)

    def of(self, pixels):
        self.process.stdin.write(' '.join('%02x%02x%02x' % pixel[:3] for pixel in pixels) + '\n')
        self.process.stdin.flush()
        return float(self.process.stdout.readline())

    def close(self):
        self.process.stdin.close()
        self.process.wait()
        self.process.stdout.close()


class ContrastTest(browser.PageTest):

    # Where text is drawn: each caption and title, the chosen tale and the
    # others, the report; and each radio mark, checked and not. Inset from
    # the edges, which are borders.
    REGIONS = """
        const regions = {};
        const add = (name, box, left = 0) => regions[name] =
            [box.left + left + 2, box.top + 2, box.right - 2, box.bottom - 2];
        for (const id of ['%(title)s', '%(heading)s', '%(output)s'])
            add(id, document.getElementById(id).getBoundingClientRect());
        add('legend', document.querySelector('legend').getBoundingClientRect());
        document.querySelectorAll('#%(frame)s label').forEach(
            (label, a) => add('author ' + a, label.getBoundingClientRect(), 20));
        document.querySelectorAll('#%(frame)s .mark').forEach((mark, a) => {
            const box = mark.getBoundingClientRect();
            regions['mark ' + a] = [box.left - 2, box.top - 2, box.right + 2, box.bottom + 2];
        });
        const chosen = document.querySelector('[aria-selected=true]');
        add('chosen tale', chosen.getBoundingClientRect());
        add('other tale', chosen.nextElementSibling.getBoundingClientRect());
        return regions;""" % IDS

    def setUp(self):
        super().setUp()
        self.contrast = Contrast()
        self.addCleanup(self.contrast.close)

    def measure(self, context):
        regions = self.js(self.REGIONS)
        shot = Image.open(io.BytesIO(self.engine.screenshot())).convert('RGB')
        scale = shot.width / self.js('return innerWidth')
        for name, box in regions.items():
            pixels = list(shot.crop(tuple(round(v * scale) for v in box)).getdata())
            least = 3 if name.startswith('mark') else 4.5
            self.assertGreaterEqual(self.contrast.of(pixels), least, '%s in %s' % (name, context))

    def choose_and_focus(self):
        self.open()
        self.click_tale(1)
        self.core.select('tale', 1)
        self.focus('tales')
        # The chosen tale is navy with white text, focused or not.
        self.assertEqual(self.js('''
            const style = getComputedStyle(document.querySelector('[aria-selected=true]'));
            return [style.backgroundColor, style.color];'''),
            ['rgb(0, 0, 128)', 'rgb(255, 255, 255)'])

    def test_every_text_and_mark_stands_out(self):
        self.choose_and_focus()
        self.measure('light')

    @only_in('chromium')
    def test_every_text_and_mark_stands_out_dark_and_in_forced_colours(self):
        self.choose_and_focus()
        for features in ([('prefers-color-scheme', 'dark')],
                         [('forced-colors', 'active'), ('prefers-color-scheme', 'dark')],
                         [('forced-colors', 'active'), ('prefers-color-scheme', 'light')]):
            self.engine.cdp('Emulation.setEmulatedMedia', {'features': [
                {'name': name, 'value': value} for name, value in features]})
            self.measure(features)


@only_in('chromium')
class WithoutWebAssemblyTest(browser.PageTest):

    def test_says_so_in_one_sentence_and_keeps_the_filled_window(self):
        self.engine.cdp('Page.addScriptToEvaluateOnNewDocument',
                        {'source': 'delete globalThis.WebAssembly'})
        self.open()
        page = self.page()
        self.assertEqual(self.js('return document.documentElement.dataset.state'), 'unsupported')
        self.assertIn('WebAssembly', page['status'])
        self.assertIn('браузър', page['status'])
        self.assertEqual(page['status'].count('.'), 1)
        self.assertEqual(page['text'], self.core.view['text'].replace('\r\n', '\n'))


class SlowFirstVisitTest(browser.PageTest):
    """On a slow first visit the window is drawn long before the core runs:
    the page says it is loading, and what the user chose meanwhile takes
    effect once the core is there, with no check shown before."""

    def test_choices_made_while_the_core_loads_are_kept(self):
        self.site.delay = lambda path: 4 if path.startswith('/quillomar-core.wasm') else 0
        self.engine.open(self.site.url)
        read = '''
            const loading = document.getElementById('%(loading)s');
            return {role: loading.getAttribute('role'), text: loading.textContent,
                    checked: Array.from(document.querySelectorAll('#%(frame)s input'))
                        .findIndex(radio => radio.checked),
                    state: document.documentElement.dataset.state || ''};''' % IDS
        self.wait_until(lambda: self.js(read)['text'], what='the loading note')
        self.assertEqual(self.js(read), {'role': 'status', 'text': 'Програмата се зарежда…',
                                         'checked': -1, 'state': ''})
        self.click_author(4)
        self.click_tale(10)
        shown = self.js(read)
        self.assertEqual(shown['checked'], -1, 'no check before the report')
        self.assertIn('изборът ви ще се покаже', shown['text'])
        self.wait_until_ready()
        self.core.select('author', 4)
        self.core.select('tale', 10)
        self.assert_shows_core('the choices made while loading')
        self.assertEqual(self.js(read)['text'], '')


class SitePolicyTest(browser.PageTest):
    """A server's own Content-Security-Policy header: WebAssembly needs
    'wasm-unsafe-eval' in it; without, the page blames the policy, not the
    browser."""

    def serve(self, policy):
        self.site.stop()
        self.site = browser.Site(browser.SITE, lambda path: [('Content-Security-Policy', policy)])
        self.open()

    def test_the_hosting_policy_lets_the_page_run(self):
        self.serve("default-src 'self'; script-src 'self' 'wasm-unsafe-eval'")
        self.assertEqual(self.js('return document.documentElement.dataset.state'), 'ready')

    def test_a_policy_that_forbids_webassembly_is_named(self):
        self.errors_expected = True  # the loader's own complaints
        self.serve("default-src 'self'")
        self.assertEqual(self.js('return document.documentElement.dataset.state'), 'blocked')
        status = self.page()['status']
        self.assertIn('WebAssembly', status)
        self.assertIn('Политиката за сигурност', status)
        self.assertNotIn('браузър', status)


if __name__ == '__main__':
    browser.main()
