"""Times kelvaro-find's content cache on the 50,000-file and 120,000-file trees.

For each tree, side by side: a first scan without cache, a first scan that fills an empty cache,
a rescan with the cache (exact: digests only prove files different) and one with
--trust-cache, each after the page cache was dropped (as root) and then once more warm. The
table shows wall and CPU seconds, the files each run read and the files the cache settled
unread, and checks that every run printed the same groups.
"""

import argparse
import os
import random
import resource
import shutil
import subprocess
import sys
import time

import bench
import window


def run(finder, root, home, extra, cold):
    if cold:
        bench.drop_caches()
    env = dict(os.environ, XDG_CACHE_HOME=home)
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.monotonic()
    proc = subprocess.run([finder, "-r", "--stats"] + extra + [root], env=env,
                          stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    wall = time.monotonic() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    read = settled = -1
    for line in proc.stderr.splitlines():
        if "files read" in line:
            words = line.split()
            read, settled = int(words[1]), int(words[4])
        elif "content cache" in line:
            print(f"bench: {line}", file=sys.stderr)
    groups = proc.stdout
    members = sum(1 for line in groups.splitlines() if line)
    return wall, cpu, read, settled, members, groups


def floor(root, cold):
    """What listing the tree and a stat of every file cost, without reading a byte."""
    if cold:
        bench.drop_caches()
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.monotonic()
    subprocess.run(["find", root, "-type", "f", "-printf", "%s\\n"], stdout=subprocess.DEVNULL)
    wall = time.monotonic() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return wall, cpu, 0, 0, 0, None


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--finder", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--keep", action="store_true")
    args = ap.parse_args()
    finder = os.path.abspath(args.finder)
    refusal = bench.cold_cache_refusal()
    corpora = os.path.abspath(os.path.join(args.out, "corpora"))
    home = os.path.abspath(os.path.join(args.out, "cache-home"))
    rng = random.Random(7)
    trees = [("50k-small-deep", bench.corpus_small), ("120k-files", window.corpus_many_groups)]
    rows = []
    for name, make in trees:
        root = os.path.join(corpora, name)
        if not os.path.isdir(root):
            make(root, rng)
            # Files changed in the last two seconds are not kept in the cache.
            time.sleep(2.5)
        shutil.rmtree(home, ignore_errors=True)
        plan = [
            ("first scan, no cache", ["--no-cache"]),
            ("scan floor: find -printf", None),
            ("first scan, empty cache", []),
            ("rescan, exact", []),
            ("rescan, --trust-cache", ["--trust-cache"]),
        ]
        results = []
        for cold in ([True, False] if not refusal else [False]):
            if not cold:
                # The cold runs before left the files' contents out of the page cache (the
                # trusting rescan reads none): one untimed search brings them in.
                run(finder, root, home, ["--no-cache"], False)
            for label, extra in plan:
                if label == "first scan, empty cache":
                    shutil.rmtree(home, ignore_errors=True)
                if extra is None:
                    results.append((label, cold, floor(root, cold)))
                else:
                    results.append((label, cold, run(finder, root, home, extra, cold)))
        size = os.path.getsize(os.path.join(home, "kelvaro", "content.db"))
        rows.append((name, results, size))
        print(f"bench: {name} done", file=sys.stderr, flush=True)
        if not args.keep:
            shutil.rmtree(root)

    if refusal:
        print(f"Cold runs skipped: {refusal} (run bench/cache.sh as root).")
    for name, results, size in rows:
        print(f"\n{name}:")
        print(f"  {'run':<26} {'page cache':<10} {'wall s':>7} {'CPU s':>7} {'x first':>8} "
              f"{'files read':>10} {'settled':>8} {'in groups':>9}")
        first = {}
        reference = results[0][2][5]
        for label, cold, (wall, cpu, read, settled, members, groups) in results:
            if label == "first scan, no cache":
                first[cold] = wall
            same = "" if groups in (None, reference) else "  DIFFERENT GROUPS"
            print(f"  {label:<26} {'cold' if cold else 'warm':<10} {wall:7.2f} {cpu:7.2f} "
                  f"{wall / first[cold]:7.2f}x {read:10,} {settled:8,} {members:9,}{same}")
        for label, cold, (wall, cpu, read, settled, members, groups) in results:
            if label == "rescan, exact" and members and read > members:
                print(f"  note: the exact rescan ({'cold' if cold else 'warm'}) read "
                      f"{read - members:,} files outside the groups")
        print(f"  cache: {size / (1 << 20):.1f} MiB")
    if not args.keep:
        shutil.rmtree(corpora, ignore_errors=True)


if __name__ == "__main__":
    main()
