#!/usr/bin/env python3
"""What a thread pool gains: the same patients run one after another and on
a ThreadPoolExecutor, with the model releasing the GIL.

    PYTHONPATH=build/python python3 python/benchmarks/thread_pool.py [PATIENTS] [THREADS]

Prints the wall-clock time of each way, the gain and the machine's load
average, since on a shared machine the other processes take their share.
"""

import concurrent.futures
import os
import sys
import time

import breathlab


def patients(count):
    # Obstructions from 50 % to 800 %: runs of different lengths, as in a sweep.
    return [50 * 16 ** (i / max(1, count - 1)) for i in range(count)]


def timed(action):
    """Wall-clock seconds, and the process's CPU seconds per wall-clock second
    (above 1 only when threads really ran at the same time)."""
    start, cpu = time.perf_counter(), time.process_time()
    results = action()
    wall = time.perf_counter() - start
    return wall, (time.process_time() - cpu) / wall, results


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 8
    threads = int(sys.argv[2]) if len(sys.argv) > 2 else os.cpu_count()
    resistances = patients(count)
    breathlab.run()  # loads and warms up everything once
    one, one_cpu, serial = timed(lambda: [breathlab.run(RPeripheral=r).indices
                                          for r in resistances])
    with concurrent.futures.ThreadPoolExecutor(threads) as pool:
        many, many_cpu, pooled = timed(lambda: list(pool.map(
            lambda r: breathlab.run(RPeripheral=r).indices, resistances)))
    assert pooled == serial, "threads changed a result"
    print(f"{count} patients: one thread {one:.2f} s (CPU {one_cpu:.2f} per s), "
          f"{threads} threads {many:.2f} s (CPU {many_cpu:.2f} per s), "
          f"gain {one / many:.2f}x on {os.cpu_count()} cores "
          f"(load average {os.getloadavg()[0]:.1f})")


if __name__ == "__main__":
    main()
