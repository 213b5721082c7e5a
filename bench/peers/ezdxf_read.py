#!/usr/bin/python3
# The peer of bench_dxf_read: reads a DXF file with ezdxf and prints the best time of a few reads
# in seconds (one number on one line).
import sys
import time

import ezdxf


def main():
    path = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    best = None
    for _ in range(runs):
        start = time.perf_counter()
        ezdxf.readfile(path)
        elapsed = time.perf_counter() - start
        best = elapsed if best is None else min(best, elapsed)
    print("%.6f" % best)


if __name__ == "__main__":
    main()
