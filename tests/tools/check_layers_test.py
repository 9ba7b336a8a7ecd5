"""Checks the layer check: the project itself passes, and the includes it
must refuse are refused. Run by ctest with ZELT_CHECK_LAYERS (the script)
and ZELT_SOURCE_DIR in the environment."""

import importlib.util
import os
import tempfile
import unittest
from pathlib import Path

_spec = importlib.util.spec_from_file_location("check_layers", os.environ["ZELT_CHECK_LAYERS"])
check_layers = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(check_layers)


def tree_with(files):
    root = Path(tempfile.mkdtemp())
    for name, text in files.items():
        path = root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text)
    return root


class CheckLayersTest(unittest.TestCase):
    def test_the_project_keeps_its_layers(self):
        self.assertEqual(check_layers.check(Path(os.environ["ZELT_SOURCE_DIR"])), [])

    def test_refused_includes(self):
        cases = {
            "src/link/a.cpp": '#include "resource_ids.h"\n',
            "src/store/a.cpp": '#include "link/transport.h"\n',
            "src/workspace/a.h": '#include "phonebook/list_rows.h"\n',
            "src/phonebook/a.cpp": '#include "app/shell_win.h"\n',
            "src/phonebook/b.cpp": '#include "win/win_text_win.h"\n',
            "src/settings/a.cpp": '#include "printing/page.h"\n',
            "src/app/a.cpp": "#include <windows.h>\n",
            "src/newfolder/a.cpp": "",
            "tools/zelt-dat/a.cpp": '#include "app/model_string.h"\n',
            "tools/zelt-machine/a.cpp": '#include "workspace/workspace.h"\n',
        }
        for name, text in cases.items():
            with self.subTest(name=name, include=text.strip()):
                self.assertNotEqual(check_layers.check(tree_with({name: text})), [])

    def test_allowed_includes(self):
        files = {
            "src/app/a_win.cpp": '#include <windows.h>\n#include "win/win_text_win.h"\n'
            '#include "phonebook/list_rows.h"\n#include "resource_ids.h"\n',
            "src/phonebook/a_win.cpp": '#include "win/dialog_win.h"\n#include "workspace/workspace.h"\n',
            "src/link/a.cpp": '#include "store/record_store.h"\n#include "link/b.h"\n',
            "tools/zelt-dat/a.cpp": '#include "tool_commands.h"\n#include "string_table.h"\n',
        }
        self.assertEqual(check_layers.check(tree_with(files)), [])


if __name__ == "__main__":
    unittest.main()
