"""Times the real window on the benchmark corpora next to kelvaro-find on the same trees.

Each round runs kelvaro-find -r on a tree, then `find TREE -type d | sort`, then the window
driver (Add to List with subfolders, then Find Duplicates) on the same tree, one after the other,
so that all see the same machine. The table shows medians of the rounds, and the worst input
delay of any round. Wall seconds are what a user waits for; CPU seconds (the program's, and for
the window the X server's too) tell more on a busy machine.
"""

import argparse
import os
import random
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

import bench

KiB = 1024


def corpus_many_groups(root, rng):
    # 120,000 files of 1 to 64 KiB (log-uniform) in 2,000 folders: some 35,000 groups of two
    # to four copies; the other files distinct, many of them sharing their size with others.
    folders = [f"{root}/t{a}/s{b}" for a in range(40) for b in range(50)]
    for f in folders:
        os.makedirs(f, exist_ok=True)
    written = 0
    group = 0
    while written < 120000:
        copies = 1 if rng.random() < 0.44 else rng.choice((2, 2, 2, 3, 3, 4))
        data = rng.randbytes(int(KiB * 2 ** rng.uniform(0, 6)))
        for c in range(copies):
            with open(f"{rng.choice(folders)}/f{group}_{c}", "wb") as out:
                out.write(data)
        written += copies
        group += 1


def corpus_many_folders(root, rng):
    # 40,201 folders (the root, 200 below it, 200 below each of those), a small file in every
    # fourth of the deepest, a fifth of them copies of another.
    originals = []
    for a in range(200):
        for b in range(200):
            folder = f"{root}/a{a}/b{b}"
            os.makedirs(folder)
            if b % 4 == 0:
                if originals and rng.random() < 0.2:
                    data = rng.choice(originals)
                else:
                    data = rng.randbytes(rng.randint(100, 4000))
                    originals.append(data)
                with open(f"{folder}/f", "wb") as out:
                    out.write(data)


CORPORA = bench.CORPORA + [
    ("120k-files", corpus_many_groups),
    ("40k-folders", corpus_many_folders),
]


def children_cpu():
    u = resource.getrusage(resource.RUSAGE_CHILDREN)
    return u.ru_utime + u.ru_stime


COLD = False


def run(cmd, env=None):
    """Wall and CPU seconds of one command, and its output. Each run has an empty content
    cache of its own, as a first search does: one filled by the run before would spare it the
    reads."""
    with tempfile.TemporaryDirectory(prefix="kelvaro-bench-cache-") as home:
        env = dict(env or os.environ, XDG_CACHE_HOME=home)
        if COLD:
            bench.drop_caches()
        cpu = children_cpu()
        start = time.monotonic()
        proc = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env,
                              check=False)
        wall = time.monotonic() - start
    if proc.returncode != 0:
        sys.exit(f"bench: {cmd[0]} failed:\n{proc.stderr.decode(errors='replace')}")
    return wall, children_cpu() - cpu, proc.stdout


def x_server_cpu():
    """CPU seconds of the X server the window draws on, 0 when it is not found."""
    display = os.environ.get("DISPLAY", "")
    ticks = os.sysconf("SC_CLK_TCK")
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                args = f.read().split(b"\0")
            if not args[0].endswith(b"Xvfb") or display.encode() not in args:
                continue
            with open(f"/proc/{pid}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
            return (int(fields[11]) + int(fields[12])) / ticks
        except OSError:
            continue
    return 0.0


def run_window(driver, root, x_start=0.0):
    """The driver's figures; x_cpu_s is the X server's CPU beyond x_start, what opening and
    closing the window costs it."""
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    x_cpu = x_server_cpu()
    _, _, out = run([driver, root], env)
    figures = dict(f.split("=", 1) for f in out.decode().split())
    figures["x_cpu_s"] = max(0.0, x_server_cpu() - x_cpu - x_start)
    return figures


def count_groups(listing):
    return sum(1 for block in listing.split(b"\n\n") if block.strip())


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--finder", required=True)
    ap.add_argument("--driver", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--rounds", type=int, default=3)
    ap.add_argument("--only", help="comma-separated corpus names")
    ap.add_argument("--keep", action="store_true")
    ap.add_argument("--cold", action="store_true",
                    help="drop the page cache before every timed run (needs root)")
    args = ap.parse_args()
    if args.cold and bench.cold_cache_refusal():
        sys.exit(f"bench: --cold: {bench.cold_cache_refusal()}")
    global COLD
    finder = os.path.abspath(args.finder)
    driver = os.path.abspath(args.driver)
    corpora_root = os.path.abspath(os.path.join(args.out, "corpora"))
    chosen = [c for c in CORPORA if not args.only or c[0] in args.only.split(",")]
    rows = []
    platform = "?"
    empty = os.path.join(args.out, "empty")
    os.makedirs(empty, exist_ok=True)
    x_start = min(run_window(driver, empty)["x_cpu_s"] for _ in range(3))

    for name, make in chosen:
        root = os.path.join(corpora_root, name)
        if not os.path.isdir(root):
            made = time.monotonic()
            make(root, random.Random(7))
            print(f"bench: {name} made in {time.monotonic() - made:.0f} s", file=sys.stderr,
                  flush=True)
        # Warms the page cache, and gives the groups the engine finds.
        COLD = False
        groups = count_groups(run([finder, "-r", root])[2])
        dirs_cmd = ["sh", "-c", 'find "$1" -type d | sort >/dev/null', "sh", root]
        run(dirs_cmd)
        COLD = args.cold
        m = {k: [] for k in ("cli", "cli_cpu", "dirs", "dirs_cpu", "add", "find", "win_cpu")}
        # The worst lateness of input, and the longest stretch of the window's own work
        # (CPU time of its thread) between two looks at its input.
        late = {k: 0.0 for k in ("add_late_ms", "add_gap_cpu_ms", "find_late_ms",
                                 "find_gap_cpu_ms")}
        window_groups, folders = set(), 0
        for _ in range(args.rounds):
            wall, cpu, _ = run([finder, "-r", root])
            m["cli"].append(wall)
            m["cli_cpu"].append(cpu)
            wall, cpu, _ = run(dirs_cmd)
            m["dirs"].append(wall)
            m["dirs_cpu"].append(cpu)
            w = run_window(driver, root, x_start)
            platform = w["platform"]
            folders = int(w["folders"])
            m["add"].append(float(w["add_s"]))
            m["find"].append(float(w["find_s"]))
            m["win_cpu"].append(float(w["add_cpu_s"]) + float(w["find_cpu_s"]) + w["x_cpu_s"])
            for k in late:
                late[k] = max(late[k], float(w[k]))
            window_groups.add(int(w["groups"]))
            if int(w["asked"]):
                print(f"bench: the window asked {w['asked']} question(s) on {name}",
                      file=sys.stderr)
        med = {k: statistics.median(v) for k, v in m.items()}
        rows.append((name, folders, med, late, groups, window_groups))
        print(f"bench: {name} done", file=sys.stderr, flush=True)
        if not args.keep:
            shutil.rmtree(root)

    print()
    cache = "cold cache (dropped before every run)" if args.cold else "warm cache"
    print(f"The window on the {platform} platform (Xvfb), {cache}, medians of {args.rounds} "
          "rounds; CPU of the window includes the X server's.")
    print()
    print("| corpus | folders | kelvaro-find -r s | Add to List s | Find Duplicates s | "
          "window / kelvaro-find | CPU: window / kelvaro-find | "
          "worst input delay ms (own work): Add to List, Find Duplicates | "
          "find -type d \\| sort s | Add to List / that | groups |")
    print("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---|")
    for name, folders, med, late, groups, window_groups in rows:
        total = med["add"] + med["find"]
        same = "same in the window" if window_groups == {groups} else \
            f"the window found {sorted(window_groups)}"
        print(f"| {name} | {folders} | {med['cli']:.3f} | {med['add']:.3f} | {med['find']:.3f} | "
              f"{total / med['cli']:.2f} | {med['win_cpu']:.2f} / {med['cli_cpu']:.2f} = "
              f"{med['win_cpu'] / med['cli_cpu']:.2f} | {late['add_late_ms']:.0f} "
              f"({late['add_gap_cpu_ms']:.0f}), {late['find_late_ms']:.0f} "
              f"({late['find_gap_cpu_ms']:.0f}) | "
              f"{med['dirs']:.3f} | "
              f"{med['add'] / med['dirs']:.2f} | {groups}, {same} |")


if __name__ == "__main__":
    main()
