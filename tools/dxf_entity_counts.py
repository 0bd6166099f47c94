#!/usr/bin/python3
"""Prints how many entities of each kind each block of a DXF file holds, as ezdxf reads it: one
"BLOCK<TAB>KIND<TAB>COUNT" line per block and kind, sorted, for model space, the layouts and every block
definition. Block names are upper-cased, and \\U+XXXX escapes in them are decoded."""
import collections
import re
import sys

import ezdxf


def block_name(name):
    return re.sub(r"\\U\+([0-9A-Fa-f]{4})", lambda match: chr(int(match.group(1), 16)), name).upper()


def main():
    document = ezdxf.readfile(sys.argv[1])
    counts = collections.Counter(
        (block_name(block.name), entity.dxftype()) for block in document.blocks for entity in block
    )
    for (block, kind) in sorted(counts):
        print(f"{block}\t{kind}\t{counts[(block, kind)]}")


if __name__ == "__main__":
    main()
