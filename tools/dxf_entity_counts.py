#!/usr/bin/python3
"""Prints how many entities of each kind a DXF file holds, as ezdxf reads it: one "KIND COUNT" line per
kind, sorted by kind, counting the entities of model space, the layouts and every block definition."""
import collections
import sys

import ezdxf


def main():
    document = ezdxf.readfile(sys.argv[1])
    counts = collections.Counter(entity.dxftype() for block in document.blocks for entity in block)
    for kind in sorted(counts):
        print(kind, counts[kind])


if __name__ == "__main__":
    main()
