"""Makes the corpora, times every finder on each and prints the comparison table."""

import argparse
import os
import random
import shutil
import statistics
import subprocess
import sys
import time

MiB = 1 << 20
RUNS = 3
SCRATCH = None


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def corpus_mixed(root, rng):
    # Thousands of files from 1 KiB to 2 MiB (log-uniform), a quarter copied one to three times.
    for i in range(2400):
        size = int(1024 * 2 ** rng.uniform(0, 11))
        data = rng.randbytes(size)
        write(f"{root}/d{i % 40}/s{i % 7}/f{i}", data)
        if i % 4 == 0:
            for c in range(rng.randint(1, 3)):
                write(f"{root}/d{rng.randrange(40)}/copy{c}/f{i}", data)


def corpus_same_size(root, rng):
    # 10,000 distinct files of one size, plus a few identical pairs of it.
    for i in range(10000):
        write(f"{root}/d{i % 20}/f{i}", rng.randbytes(4096))
    for i in range(5):
        data = rng.randbytes(4096)
        write(f"{root}/pairs/a{i}", data)
        write(f"{root}/pairs/b{i}", data)


def corpus_small(root, rng):
    # 50,000 files of 0 to 8 KiB in a deep tree, many of them duplicates.
    originals = []
    for i in range(50000):
        depth = "/".join(f"l{rng.randrange(4)}" for _ in range(rng.randint(1, 7)))
        if originals and rng.random() < 0.4:
            data = rng.choice(originals)
        else:
            data = rng.randbytes(rng.randint(0, 8192))
            if len(originals) < 5000:
                originals.append(data)
        write(f"{root}/{depth}/f{i}", data)


def corpus_large(root, rng):
    # A dozen files of 64 MiB: identical pairs, the others differing only in the last byte.
    base = bytearray(rng.randbytes(64 * MiB))
    for i in range(12):
        base[-1] = i // 2 if i < 6 else 100 + i
        write(f"{root}/f{i}", bytes(base))


def corpus_index(root, rng):
    # 1,000,000 empty files: the scan and the index alone.
    for d in range(1000):
        folder = f"{root}/d{d}"
        os.makedirs(folder, exist_ok=True)
        for i in range(1000):
            open(f"{folder}/f{i}", "wb").close()


CORPORA = [
    ("mixed", corpus_mixed),
    ("10k-one-size", corpus_same_size),
    ("50k-small-deep", corpus_small),
    ("12x64MiB", corpus_large),
]


def candidates(root):
    """Every file that shares its size with another: what any finder has to read."""
    by_size = {}
    for folder, _, names in os.walk(root):
        for n in names:
            p = os.path.join(folder, n)
            by_size.setdefault(os.path.getsize(p), []).append(p)
    return [p for s, ps in by_size.items() if s > 0 and len(ps) > 1 for p in ps]


def measure(cmd, stdin=None):
    """Wall seconds, peak resident MiB and CPU seconds (user and system, children included) of
    one run."""
    start = time.monotonic()
    # In a scratch folder: some finders write their reports into the current folder.
    proc = subprocess.run(["/usr/bin/time", "-v"] + cmd, stdin=stdin, cwd=SCRATCH,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    wall = time.monotonic() - start
    peak = 0.0
    cpu = 0.0
    for line in proc.stderr.splitlines():
        if "Maximum resident set size" in line:
            peak = int(line.split(":")[1]) / 1024
        elif "User time (seconds)" in line or "System time (seconds)" in line:
            cpu += float(line.split(":")[1])
    return wall, peak, cpu, proc.returncode


def cold_cache_refusal():
    """Why the page cache cannot be dropped here, or None when it can."""
    if os.geteuid() != 0:
        return "dropping the page cache needs root"
    if not os.access("/proc/sys/vm/drop_caches", os.W_OK):
        return "/proc/sys/vm/drop_caches cannot be written here"
    return None


def drop_caches():
    subprocess.run(["sync"], check=True)
    with open("/proc/sys/vm/drop_caches", "w") as f:
        f.write("3\n")


def median_runs(commands, cold):
    """Median wall seconds, peak MiB and median CPU seconds of RUNS runs of each command, taken
    in turns so that
    a noisy moment of the machine falls on every tool alike. Warm runs follow one run that
    fills the page cache; cold runs follow a drop of the page cache."""
    def run(cmd, input_file):
        with open(input_file or os.devnull, "rb") as f:
            return measure(cmd, f)

    if not cold:
        for cmd, input_file in commands.values():
            run(cmd, input_file)
    results = {tool: [] for tool in commands}
    for _ in range(RUNS):
        for tool, (cmd, input_file) in commands.items():
            if cold:
                drop_caches()
            results[tool].append(run(cmd, input_file))
    return {tool: (statistics.median(r[0] for r in rs), max(r[1] for r in rs),
                   statistics.median(r[2] for r in rs))
            for tool, rs in results.items()}


def tools(finder, root):
    return {
        # Without its content cache: the others keep none, and a cache filled by the runs
        # before would spare it the very reads compared here (bench/cache.sh times the cache).
        "kelvaro-find": [finder, "-r", "--no-cache", root],
        "fdupes": ["fdupes", "-r", "-q", root],
        "jdupes": ["jdupes", "-r", "-q", root],
        "rdfind": ["rdfind", "-makeresultsfile", "false", root],
        "rmlint": ["rmlint", "-T", "df", "-o", "fdupes:/dev/null", "--no-progress", root],
        "duff": ["duff", "-r", "-q", root],
    }


CAT = "cat (candidates once)"
# The least work a finder can do, one file after another: find's sizes, then one open and one
# whole read of each candidate (bench/floor.c).
FLOOR = "floor (find + read)"
NOT_PEERS = (CAT, FLOOR, "kelvaro-find")
# Where the CPU per candidate target applies: many small candidates, where system calls and
# bookkeeping are most of the cost.
CPU_CORPORA = ("10k-one-size", "50k-small-deep")
# The finders the targets name: kelvaro-find at most half the fastest of them, cold and warm.
TARGET_PEERS = ("fdupes", "jdupes", "rdfind")


def ratio(a, b):
    return f"{a / b:.2f}" if b else ""


def fastest(figures, among):
    times = [figures[t][0] for t in among if t in figures]
    return min(times) if times else None


def print_table(title, rows, warm):
    print()
    print(title)
    print()
    if warm:
        print("| corpus | candidates | tool | median s | peak MiB | vs fastest peer | vs jdupes "
              "| vs cat |")
        print("|---|---:|---|---:|---:|---:|---:|---:|")
    else:
        print("| corpus | candidates | tool | median s | vs fastest peer "
              "| vs fastest of fdupes, jdupes, rdfind | vs cat |")
        print("|---|---:|---|---:|---:|---:|---:|")
    for name, count, figures in rows:
        peers = [t for t in figures if t not in NOT_PEERS]
        best = fastest(figures, peers)
        best_target = fastest(figures, TARGET_PEERS)
        jdupes = figures["jdupes"][0] if "jdupes" in figures else None
        cat = figures[CAT][0]
        for tool, (wall, peak, _) in figures.items():
            if warm:
                print(f"| {name} | {count} | {tool} | {wall:.3f} | {peak:.1f} | "
                      f"{ratio(wall, best)} | {ratio(wall, jdupes)} | {ratio(wall, cat)} |")
            else:
                print(f"| {name} | {count} | {tool} | {wall:.3f} | {ratio(wall, best)} | "
                      f"{ratio(wall, best_target)} | {ratio(wall, cat)} |")


def print_cpu(title, rows):
    """CPU (user and system, threads included) per candidate, kelvaro-find against the floor,
    and wall time against jdupes: where the per-file cost goes."""
    rows = [r for r in rows if FLOOR in r[2] and "kelvaro-find" in r[2]]
    if not rows:
        return
    print()
    print(title)
    print()
    print("| corpus | candidates | tool | CPU s | CPU us per candidate | vs floor | wall s "
          "| wall vs jdupes |")
    print("|---|---:|---|---:|---:|---:|---:|---:|")
    for name, count, figures in rows:
        floor_cpu = figures[FLOOR][2]
        jdupes = figures["jdupes"][0] if "jdupes" in figures else None
        for tool in (FLOOR, "kelvaro-find", "jdupes"):
            if tool not in figures:
                continue
            wall, _, cpu = figures[tool]
            per = cpu / count * 1e6 if count else 0.0
            print(f"| {name} | {count} | {tool} | {cpu:.3f} | {per:.1f} | "
                  f"{ratio(cpu, floor_cpu)} | {wall:.3f} | {ratio(wall, jdupes)} |")


def print_targets(warm_rows, cold_rows):
    print()
    print("Targets: kelvaro-find at most 0.50x jdupes warm and the fastest of fdupes, jdupes "
          "and rdfind cold")
    for label, rows, among in (("warm", warm_rows, ("jdupes",)), ("cold", cold_rows,
                                                                   TARGET_PEERS)):
        for name, _, figures in rows:
            best = fastest(figures, among)
            if best is None or "kelvaro-find" not in figures:
                continue
            r = figures["kelvaro-find"][0] / best
            print(f"  {label} {name}: {r:.3f}x {'met' if r <= 0.5 else 'MISSED'}")
    print("Target: kelvaro-find's CPU per candidate at most 1.20x the floor's")
    for label, rows in (("warm", warm_rows), ("cold", cold_rows)):
        for name, _, figures in rows:
            if name not in CPU_CORPORA or FLOOR not in figures or "kelvaro-find" not in figures:
                continue
            r = figures["kelvaro-find"][2] / figures[FLOOR][2] if figures[FLOOR][2] else 0.0
            print(f"  {label} {name}: {r:.3f}x {'met' if r <= 1.2 else 'MISSED'}")


def main():
    global SCRATCH, RUNS
    ap = argparse.ArgumentParser()
    ap.add_argument("--finder", required=True)
    ap.add_argument("--out", required=True)
    ap.add_argument("--floor", help="the floor program built from bench/floor.c")
    ap.add_argument("--keep", action="store_true")
    ap.add_argument("--only", help="comma-separated corpora to run, and no index corpus")
    ap.add_argument("--runs", type=int, default=RUNS, help="timed runs of each tool")
    args = ap.parse_args()
    RUNS = args.runs
    finder = os.path.abspath(args.finder)
    SCRATCH = os.path.abspath(os.path.join(args.out, "scratch"))
    os.makedirs(SCRATCH, exist_ok=True)
    corpora_root = os.path.abspath(os.path.join(args.out, "corpora"))
    rng = random.Random(7)
    warm_rows = []
    cold_rows = []
    available = [t for t in tools(finder, ".") if t == "kelvaro-find" or shutil.which(t)]
    absent = [t for t in tools(finder, ".") if t not in available]
    refusal = cold_cache_refusal()

    only = args.only.split(",") if args.only else None
    for name, make in CORPORA:
        if only and name not in only:
            continue
        root = os.path.join(corpora_root, name)
        if not os.path.isdir(root):
            # Each corpus its own generator: the same files whichever corpora run.
            make(root, random.Random(7))
        cand = candidates(root)
        listing = os.path.join(args.out, name + ".list")
        with open(listing, "wb") as f:
            f.write(b"\0".join(os.fsencode(p) for p in cand))
        commands = {CAT: (["xargs", "-0", "cat"], listing)}
        if args.floor:
            floor = os.path.abspath(args.floor)
            commands[FLOOR] = (["sh", "-c", f"find \"$1\" -type f -printf '%s %p\\0' | \"$2\"",
                                "floor", root, floor], None)
        for tool, cmd in tools(finder, root).items():
            if tool in available:
                commands[tool] = (cmd, None)
        warm_rows.append((name, len(cand), median_runs(commands, cold=False)))
        if not refusal:
            cold_rows.append((name, len(cand), median_runs(commands, cold=True)))
        print(f"bench: {name} done", file=sys.stderr, flush=True)
        if not args.keep:
            shutil.rmtree(root)

    print_table(f"Warm page cache (median of {RUNS} runs after one that fills the cache):",
                warm_rows, warm=True)
    if refusal:
        print(f"\nCold-cache rows skipped: {refusal} (run bench/run.sh as root).")
    else:
        print_table(f"Cold page cache (median of {RUNS} runs, the cache dropped before each):",
                    cold_rows, warm=False)
    print_cpu("CPU per candidate against the floor, warm:", warm_rows)
    print_cpu("CPU per candidate against the floor, cold:", cold_rows)
    print_targets(warm_rows, cold_rows)
    if absent:
        print(f"\nNot available here: {', '.join(absent)}")
    if only:
        return

    root = os.path.join(corpora_root, "index-1M")
    if not os.path.isdir(root):
        made = time.monotonic()
        corpus_index(root, rng)
        print(f"bench: index corpus made in {time.monotonic() - made:.0f} s", file=sys.stderr)
    index = median_runs({"kelvaro-find": ([finder, "-r", root], None)}, cold=False)
    wall, peak, _ = index["kelvaro-find"]
    print(f"\n1,000,000 indexed files: scan {wall:.2f} s, peak {peak:.1f} MiB, "
          f"{peak * MiB / 1e6:.0f} bytes per file")
    if not args.keep:
        shutil.rmtree(corpora_root)


if __name__ == "__main__":
    main()
