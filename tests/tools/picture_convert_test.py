"""Checks the picture converter and the project's picture sources.

Run by ctest with ZELT_PICTURE_CONVERT (the script) and ZELT_PICTURE_SOURCES
(resources/pictures) in the environment.
"""

import importlib.util
import os
import struct
import tempfile
import unittest
from pathlib import Path

_spec = importlib.util.spec_from_file_location("picture_convert", os.environ["ZELT_PICTURE_CONVERT"])
picture_convert = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(picture_convert)

SOURCES = Path(os.environ["ZELT_PICTURE_SOURCES"])


def read_bmp(data):
    """Decodes an uncompressed bottom-up .bmp into (bits, rows of (r, g, b))."""
    magic, _, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    assert magic == b"BM"
    _, width, height, _, bits, compression, _, _, _, used, _ = struct.unpack_from("<IiiHHIIiiII", data, 14)
    assert compression == 0 and height > 0
    palette = [tuple(data[54 + 4 * i + 2 - k] for k in range(3)) for i in range(used)]
    stride = (bits * width + 31) // 32 * 4
    rows = []
    for y in range(height):
        line = data[offset + (height - 1 - y) * stride:]
        if bits == 24:
            rows.append([(line[3 * x + 2], line[3 * x + 1], line[3 * x]) for x in range(width)])
        elif bits == 8:
            rows.append([palette[line[x]] for x in range(width)])
        else:
            rows.append([palette[line[x // 2] >> 4 if x % 2 == 0 else line[x // 2] & 15] for x in range(width)])
    return bits, rows


def strip_of(source):
    picture = picture_convert.parse_source(source)
    rows = [[] for _ in range(picture.images[0].height)]
    for image in picture.images:
        for y, row in enumerate(image.pixels):
            rows[y].extend(row)
    return picture, rows


class SourcesTest(unittest.TestCase):
    def convert(self, name, suffix):
        with tempfile.TemporaryDirectory() as folder:
            target = Path(folder) / (name + suffix)
            picture_convert.convert(SOURCES / (name + ".txt"), target)
            return target.read_bytes()

    def test_strips_have_their_sizes_and_depths_and_decode_to_their_grids(self):
        expected = {
            "tree_images": (4, 14 * 16, 18),
            "toolbar": (24, 7 * 55, 55),
            "toolbar_disabled": (8, 7 * 55, 55),
        }
        for name, (bits, width, height) in expected.items():
            with self.subTest(name):
                data = self.convert(name, ".bmp")
                decoded_bits, rows = read_bmp(data)
                self.assertEqual(decoded_bits, bits)
                self.assertEqual((len(rows[0]), len(rows)), (width, height))
                _, source_rows = strip_of(SOURCES / (name + ".txt"))
                self.assertEqual(rows, source_rows)
                self.assertEqual(struct.unpack_from("<I", data, 2)[0], len(data))

    def test_icon_holds_32_and_16_pixel_images_with_transparent_corners(self):
        data = self.convert("app_icon", ".ico")
        reserved, kind, count = struct.unpack_from("<HHH", data, 0)
        self.assertEqual((reserved, kind, count), (0, 1, 2))
        sizes = []
        for i in range(count):
            width, height, _, _, _, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
            sizes.append((width, height))
            self.assertEqual(bits, 32)
            header = struct.unpack_from("<IiiHH", data, offset)
            self.assertEqual(header[1:3], (width, 2 * height))  # colour and mask stacked
            mask_stride = (width + 31) // 32 * 4
            self.assertEqual(length, 40 + 4 * width * height + mask_stride * height)
            top_left_alpha = data[offset + 40 + 4 * width * (height - 1) + 3]
            self.assertEqual(top_left_alpha, 0)
        self.assertEqual(sizes, [(32, 32), (16, 16)])

    def test_only_the_marked_row_images_carry_a_red_corner(self):
        # The lists mark a One Touch key holding a Group (5) and a Group-view
        # key holding a One Touch entry (11) with a red corner.
        picture = picture_convert.parse_source(SOURCES / "tree_images.txt")
        self.assertEqual(len(picture.images), 14)
        red = (0xFF, 0, 0)
        for index, image in enumerate(picture.images):
            corner = image.pixels[1][image.width - 2]
            with self.subTest(index):
                self.assertEqual(corner == red, index in (5, 11))

    def test_disabled_buttons_are_grey_on_the_unchanged_key(self):
        _, normal = strip_of(SOURCES / "toolbar.txt")
        _, disabled = strip_of(SOURCES / "toolbar_disabled.txt")
        key = normal[0][0]
        for normal_row, disabled_row in zip(normal, disabled):
            for before, after in zip(normal_row, disabled_row):
                if before == key:
                    self.assertEqual(after, key)
                else:
                    self.assertNotEqual(after, key)
                    self.assertEqual(len(set(after)), 1)


class ErrorsTest(unittest.TestCase):
    def write(self, text):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        path = Path(folder.name) / "picture.txt"
        path.write_text(text, encoding="utf-8")
        return path

    def assertRefused(self, text, message, target="out.bmp"):
        path = self.write(text)
        with self.assertRaises(picture_convert.SourceError) as caught:
            picture_convert.convert(path, path.parent / target)
        self.assertIn(message, str(caught.exception))
        self.assertFalse((path.parent / target).exists())

    HEAD = "output bmp 4\ncell 3 2\npalette\na 000000\nb FFFFFF\nend\n"

    def test_a_short_row_names_its_line(self):
        self.assertRefused(self.HEAD + "image x\naba\nab\n", "picture.txt:9: row has 2 characters, not 3")

    def test_a_character_outside_the_palette_is_refused(self):
        self.assertRefused(self.HEAD + "image x\naba\nabc\n", "'c' is not in the palette")

    def test_a_missing_row_is_refused(self):
        self.assertRefused(self.HEAD + "image x\naba\n", "too few rows")

    def test_seventeen_colours_do_not_fit_in_four_bits(self):
        palette = "".join(f"{chr(65 + i)} {i:02X}0000\n" for i in range(17))
        row = "".join(chr(65 + i) for i in range(17))
        self.assertRefused(f"output bmp 4\ncell 17 1\npalette\n{palette}end\nimage x\n{row}\n",
                           "17 colours do not fit in 4 bits")

    def test_a_bmp_cannot_be_transparent(self):
        self.assertRefused("output bmp 24\ncell 1 1\npalette\n. transparent\nend\nimage x\n.\n",
                           "no transparency")

    def test_the_target_must_match_the_output_kind(self):
        self.assertRefused(self.HEAD + "image x\naba\nbab\n", "makes a .bmp", target="out.ico")

    def test_odd_widths_pack_the_last_half_byte_and_pad_rows(self):
        path = self.write(self.HEAD + "image x\naba\nbab\n")
        target = path.parent / "out.bmp"
        picture_convert.convert(path, target)
        bits, rows = read_bmp(target.read_bytes())
        black, white = (0, 0, 0), (255, 255, 255)
        self.assertEqual(rows, [[black, white, black], [white, black, white]])
        self.assertEqual(len(target.read_bytes()), 14 + 40 + 2 * 4 + 2 * 4)


if __name__ == "__main__":
    unittest.main()
