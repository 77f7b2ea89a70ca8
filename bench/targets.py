#!/usr/bin/env python3
"""Prints the table of performance targets from the JSON results of one scripts/bench run."""
import json
import pathlib
import sys

# (what, file, benchmark name, counter or "time", target, "max" or "min", unit). A counter whose
# "<counter>_iqr" is in the results is shown with its interquartile range.
TARGETS = [
    ("new figure painted, pictures decoded before / bare decode", "window_bench",
     "BM_GenerateFigure/repeated", "ratio", 0.2, "max", ""),
    ("new figure painted, first showing / bare decode", "window_bench",
     "BM_GenerateFigure/first", "ratio", 1.1, "max", ""),
    ("slideshow at 1 ms, figures painted / empty 1 ms timer", "slideshow_bench",
     "BM_SlideshowAgainstTimer", "ratio", 0.95, "min", ""),
    ("head lock click during 1 ms slideshow, p99", "slideshow_bench",
     "BM_HeadLockDuringSlideshow", "p99_ms", 16, "max", " ms"),
    ("warm start to first figure / bare window + text + JPEG", "startup_bench",
     "BM_WarmStart", "ratio_floor", 1.3, "max", ""),
    ("warm start to first figure / bare window", "startup_bench",
     "BM_WarmStart", "ratio_bare", 1.6, "max", ""),
    ("cold start to first figure / bare window + text + JPEG", "startup_bench",
     "BM_ColdStart", "ratio_floor", 1.3, "max", ""),
    ("start with the accessibility bridge on / off", "startup_bench",
     "BM_AccessibleStart", "time_ratio", 1.03, "max", ""),
    ("resident memory with the accessibility bridge on / off", "startup_bench",
     "BM_AccessibleStart", "rss_ratio", 1.03, "max", ""),
    ("start until the window answers, 100,000 bookmarks / none", "startup_bench",
     "BM_WarmStart", "bookmarks_ratio", 1.2, "max", ""),
    ("resident memory, 100,000 bookmarks minus none", "startup_bench",
     "BM_WarmStart", "bookmarks_extra_MB", 25, "max", " MB"),
    ("opening the bookmark panel, 100,000 bookmarks", "bookmarks_bench",
     "BM_OpenBookmarkPanel/100000", "time", 50, "max", " ms"),
    ("adding a bookmark, 100,000 present / one write", "bookmarks_bench",
     "BM_AddBookmark/100000", "ratio", 2, "max", ""),
    ("restoring 100,000 bookmarks / one plain pass", "bookmarks_bench",
     "BM_RestoreBookmarkList/100000", "ratio", 1.2, "max", ""),
    ("bookmark preview after the pause, 100,000 bookmarks, first look", "preview_bench",
     "BM_BookmarkPreview/first", "time", 50, "max", " ms"),
    ("contact sheet of 500 over 1,500 pictures / bare decode", "sheet_bench",
     "BM_ContactSheet", "ratio", 3, "max", ""),
    ("checking 3 x 32,767 pictures by header", "check_bench",
     "BM_CheckLargestCatalogueByHeader", "time", 5000, "max", " ms"),
    ("vrendomaten --import of a 4000x3000 JPEG / convert -resize", "own_part_bench",
     "BM_ImportPhoto", "ratio", 1, "max", ""),
    ("peak resident memory of that --import", "own_part_bench",
     "BM_ImportPhoto", "peak_MB", 40, "max", " MB"),
    ("slideshow memory growth, 10,000 figures to the end", "soak slideshow_bench",
     "BM_SlideshowResidentSize", "growth_MB", 2, "max", " MB"),
]

TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def plain_name(run):
    """The benchmark's name without the run options: "BM_X/100000/manual_time" is "BM_X/100000"."""
    parts = run.get("run_name", run["name"]).split("/")
    return "/".join(p for p in parts if ":" not in p and p not in ("manual_time", "real_time"))


def figure(runs, name, counter):
    """(value, interquartile range or None) of the median of the runs of that benchmark, or of
    its only run; None when it did not run or reported an error."""
    matching = [r for r in runs if plain_name(r) == name and not r.get("error_occurred")]
    chosen = [r for r in matching if r.get("aggregate_name") == "median"] or matching
    if not chosen:
        return None
    run = chosen[0]
    if counter == "time":
        return run["real_time"] * TO_MS[run["time_unit"]], None
    if counter not in run:
        return None
    return run[counter], run.get(counter + "_iqr")


def main():
    folder = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build/bench/results")
    runs = {}
    for path in folder.glob("*.json"):
        try:
            runs[path.stem] = json.loads(path.read_text())["benchmarks"]
        except (ValueError, KeyError):
            runs[path.stem] = []
    rows = [("Target", "Measured", "Goal", "Met")]
    for what, file, name, counter, goal, sense, unit in TARGETS:
        # The first file that holds the benchmark: the long soak run over the short one.
        found = next((v for f in file.split() if (v := figure(runs.get(f, []), name, counter))
                      is not None), None)
        if found is None:
            rows.append((what, "not run", f"{'<=' if sense == 'max' else '>='} {goal}{unit}", "-"))
            continue
        value, iqr = found
        met = value <= goal if sense == "max" else value >= goal
        measured = f"{value:.3g}{unit}" + (f" (IQR {iqr:.2g})" if iqr is not None else "")
        rows.append((what, measured, f"{'<=' if sense == 'max' else '>='} {goal}{unit}",
                     "yes" if met else "NO"))
    widths = [max(len(row[i]) for row in rows) for i in range(4)]
    for i, row in enumerate(rows):
        print("  ".join(cell.ljust(width) for cell, width in zip(row, widths)).rstrip())
        if i == 0:
            print("  ".join("-" * width for width in widths))


if __name__ == "__main__":
    main()
