#!/usr/bin/env python3
"""The table of targets that scripts/bench prints: start-up and memory against
the bare window, and the in-process medians, read from the files the script
wrote into WORK.

    bench/targets.py WORK
"""
import json, statistics, sys
work = sys.argv[1]

def rss(platform, variant):
    return statistics.median(int(x) for x in open(f"{work}/{platform}-{variant}.rss")) / 1024

def startup(platform):
    results = json.load(open(f"{work}/{platform}.json"))["results"]
    # first start, returning user, bare window, bare window of the main window's size
    return [r["median"] * 1000 for r in results]

# The most start-up may take, as a multiple of the small bare window's.
START_UP_TARGET = {"offscreen": 1.45, "xcb": 1.35}

rows = []
for platform in ("offscreen", "xcb"):
    first, returning, bare, sized = startup(platform)
    target = START_UP_TARGET[platform]
    for what, program in (("first start", first), ("returning user", returning)):
        ratio = program / bare
        rows.append((f"Start-up, {what}, {platform} (median)", f"{program:.1f} ms",
                     f"{bare:.1f} ms (bare), {sized:.1f} ms (bare, main window's size)",
                     f"<= {target} x floor ({target * bare:.1f} ms)",
                     f"{'yes' if ratio <= target else 'no'}: {ratio:.2f} x ({program / sized:.2f} x the sized one)"))
for platform in ("offscreen", "xcb"):
    program, bare = rss(platform, "program"), rss(platform, "bare")
    rows.append((f"Peak memory, {platform}", f"{program:.1f} MiB", f"{bare:.1f} MiB", "<= floor + 10 MiB",
                 f"{'yes' if program - bare <= 10 else 'no'}: +{program - bare:.1f} MiB"))

medians = {b["run_name"]: b for b in json.load(open(f"{work}/inprocess.json"))["benchmarks"]
           if b.get("aggregate_name") == "median"}
def ms(name):
    for run, b in medians.items():
        if run.split("/")[0] == name:
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
            return b["real_time"] * scale
    return float("nan")
floor = f"{ms('BareWindowToFirstPaint'):.2f} ms"
for name, label, target in (("ProceedToFirstPaint", "Proceed to first paint", 4.5),
                            ("OpenToFirstPaint", "Open to first paint (from the dialog's acceptance)", 9.0),
                            ("ChartToFirstPaint", "Chart to first paint (from the click)", 30.0)):
    value = ms(name)
    rows.append((label, f"{value:.2f} ms", floor, f"<= {target} ms", "yes" if value <= target else "no"))
ratio = ms("OpenToFirstPaint") / ms("ProceedToFirstPaint")
rows.append(("Open against Proceed, same run", f"{ratio:.2f} x", "", "<= 1.5 x", "yes" if ratio <= 1.5 else "no"))
rows.append(("Open, from the click (the dialog's own time included)", f"{ms('OpenToFirstPaintWithDialog'):.2f} ms", floor, "", ""))
rows.append(("ComposeReading (result window created)", f"{ms('ComposeReadingPages'):.2f} ms", "", "", ""))
rows.append(("EncodeText, 32,766 characters", f"{ms('EncodeLongestText') * 1000:.0f} us", "", "", ""))
rows.append(("DecodeText, 32,766 characters", f"{ms('DecodeLongestText') * 1000:.0f} us", "", "", ""))
rows.append(("Find_Destiny_No, 100,000 letters", f"{ms('DestinyOfLongName') * 1000:.0f} us", "", "", ""))
for name, label, target in (("RegisterListsTenThousand", "The register lists 10,000 readings", 1000),
                            ("RegisterFilterKeystroke", "One keystroke in the register's search, 10,000 readings", 50)):
    value = ms(name)
    rows.append((label, f"{value:.1f} ms", "", f"< {target} ms", "yes" if value < target else "no"))

print("| What | Program | Floor | Target | Holds |")
print("|---|---|---|---|---|")
for row in rows:
    print("| " + " | ".join(row) + " |")
