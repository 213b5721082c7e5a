#!/usr/bin/python3
# The peer of bench_chain_regen: python3-ezdxf renders N linear dimensions (each builds its block
# of extension lines, a dimension line, two ticks and a text, the same work a chain segment does)
# and prints the best time of a few runs in seconds (one number on one line).
import sys
import time

import ezdxf


def render(count):
    doc = ezdxf.new("R2010", setup=True)
    msp = doc.modelspace()
    start = time.perf_counter()
    for k in range(count):
        dim = msp.add_linear_dim(base=(k * 1.0 + 0.5, 2.0), p1=(k * 1.0, 0.0), p2=(k * 1.0 + 1.0, 0.0),
                                 dimstyle="EZDXF")
        dim.render()
    return time.perf_counter() - start


def main():
    count = int(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    print("%.6f" % min(render(count) for _ in range(runs)))


if __name__ == "__main__":
    main()
