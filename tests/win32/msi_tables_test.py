# SPDX-FileCopyrightText: 2026 Quillomar developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The Windows Installer package's tables, read with msitools' msiinfo, held
to the rules of Windows Installer's validation that concern what it
installs (no validator runs on Linux): ICE38, ICE43 and ICE57; and the
property that gives Apps & features its InstallLocation.

    python3 msi_tables_test.py PACKAGE.msi
"""

import subprocess
import sys
import unittest

MSI = sys.argv[1] if len(sys.argv) > 1 else None

# The folders of the user's profile, as Windows Installer names them.
PROFILE_FOLDERS = {
    'AppDataFolder', 'DesktopFolder', 'FavoritesFolder', 'LocalAppDataFolder',
    'MyPicturesFolder', 'NetHoodFolder', 'PersonalFolder', 'PrintHoodFolder',
    'ProgramMenuFolder', 'RecentFolder', 'SendToFolder', 'StartMenuFolder', 'StartupFolder',
    'TemplateFolder'}
HKCU = '1'
REGISTRY_KEY_PATH = 4  # a Component attribute: its KeyPath is a Registry row


def table(name):
    """The rows of a table as dictionaries; none if the package lacks it."""
    result = subprocess.run(['msiinfo', 'export', MSI, name], capture_output=True, text=True)
    if result.returncode != 0:
        return []
    lines = result.stdout.replace('\r', '').split('\n')
    columns = lines[0].split('\t')
    return [dict(zip(columns, line.split('\t'))) for line in lines[3:] if line]


class TablesTest(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.components = {row['Component']: row for row in table('Component')}
        cls.registry = {row['Registry']: row for row in table('Registry')}
        cls.parents = {row['Directory']: row['Directory_Parent'] for row in table('Directory')}
        cls.features = {row['Feature'] for row in table('Feature')}
        cls.shortcuts = table('Shortcut')
        cls.files = table('File')

    def in_profile(self, directory):
        while directory:
            if directory in PROFILE_FOLDERS:
                return True
            directory = self.parents.get(directory)
        return False

    def key_path_is_hkcu(self, component):
        row = self.components[component]
        return (int(row['Attributes']) & REGISTRY_KEY_PATH != 0
                and self.registry[row['KeyPath']]['Root'] == HKCU)

    def test_the_package_has_components(self):
        self.assertIn('StartMenuShortcut', self.components)
        self.assertTrue(self.shortcuts)

    def test_ice38_a_component_in_the_profile_keeps_track_by_a_value_of_the_user(self):
        for name, row in self.components.items():
            if self.in_profile(row['Directory_']):
                self.assertTrue(self.key_path_is_hkcu(name), name)

    def test_ice43_a_shortcut_that_is_not_advertised_keeps_track_by_a_value_of_the_user(self):
        for shortcut in self.shortcuts:
            if shortcut['Target'] not in self.features:
                self.assertTrue(self.key_path_is_hkcu(shortcut['Component_']),
                                shortcut['Shortcut'])

    def test_ice57_no_component_mixes_the_users_data_and_the_machines(self):
        per_user = {name: set() for name in self.components}
        for row in self.registry.values():
            per_user[row['Component_']].add(row['Root'] == HKCU)
        for row in self.files:
            per_user[row['Component_']].add(self.in_profile(
                self.components[row['Component_']]['Directory_']))
        for row in self.shortcuts:
            per_user[row['Component_']].add(self.in_profile(row['Directory_']))
        for name, kinds in per_user.items():
            self.assertLessEqual(len(kinds), 1, name + ' mixes them')
            if kinds:
                self.assertEqual(self.key_path_is_hkcu(name), kinds == {True}, name)

    def test_apps_and_features_is_given_the_install_location_before_the_product_registers(self):
        # Custom action type 51 sets a property (Source) to a formatted value (Target).
        actions = [row['Action'] for row in table('CustomAction')
                   if int(row['Type']) & 0x3F == 51 and row['Source'] == 'ARPINSTALLLOCATION'
                   and row['Target'] == '[INSTALLDIR]']
        self.assertEqual(len(actions), 1)
        sequence = {row['Action']: int(row['Sequence']) for row in table('InstallExecuteSequence')}
        self.assertLess(sequence['CostFinalize'], sequence[actions[0]])
        self.assertLess(sequence[actions[0]], sequence['RegisterProduct'])


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
