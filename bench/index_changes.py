#!/usr/bin/env python3
"""Runs two builds of breathlab-cli on every setting of bench/settings.txt and
prints, per setting, the largest relative change of any index and any change
of RunStatus.  usage: index_changes.py OLD_CLI NEW_CLI [SETTINGS]"""
import json, shlex, subprocess, sys, os

def run(cli, args):
    out = subprocess.run([cli, "run", "--json"] + args, check=True, capture_output=True, text=True).stdout
    return json.loads(out.strip().splitlines()[-1])

def main():
    old, new = sys.argv[1], sys.argv[2]
    path = sys.argv[3] if len(sys.argv) > 3 else os.path.join(os.path.dirname(__file__), "settings.txt")
    settings = [l.strip() for l in open(path) if l.strip() and not l.startswith("#")]
    overall = 0.0
    for s in settings:
        a, b = run(old, shlex.split(s)), run(new, shlex.split(s))
        worst, where = 0.0, "-"
        for key, va in a.items():
            vb = b[key]
            if key == "RunStatus" or va == vb:
                continue
            rel = abs(vb - va) / max(abs(va), 1e-30)
            if rel > worst:
                worst, where = rel, key
        status = f"RunStatus {a['RunStatus']} -> {b['RunStatus']}" if a["RunStatus"] != b["RunStatus"] else f"RunStatus {a['RunStatus']}"
        print(f"{s:40s} {status:20s} largest change {worst:.2e} ({where})")
        overall = max(overall, worst)
    print(f"largest relative change over {len(settings)} settings: {overall:.2e}")

main()
