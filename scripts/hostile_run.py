#!/usr/bin/env python3
"""Hostile runs of the batch front end, bounded in count and time; not part of CI.

    scripts/hostile_run.py [--runs N] [--seconds S] [--seed X] CLI [CLI...]

Each CLI (e.g. build-test/went_char_cli build-asan/went_char_cli) gets N runs of mutated inputs
in all three modes, hostile files planted as input, as value files, at output and temporary
names, four runs at once in one folder, runs killed with SIGKILL at random moments and a fake
plotting program that hangs or writes a torn picture; then runs ended by SIGTERM or SIGINT, runs
under a small file-size limit, plotters killed by a signal or a folder in the plotter's place, a
picture whose aside name is taken, and runs at once in a folder with a folder at the lock's name. Checked after every run: the exit status
is 0, 2, 3 or 4 (or the kill), no sanitizer report, no hang, no text file holding "inf" or
"nan", nothing written on exit 2, every file equal to one whole run's version, no file outside
the folder written through a planted link. Prints the figures and every fault found; exits 1
when there is one.
"""
import argparse
import hashlib
import os
import random
import re
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EXAMPLES = sorted(os.path.join(ROOT, "examples", n) for n in os.listdir(os.path.join(ROOT, "examples")))
NUMBER_KEYS = ["density", "temperature", "pressure", "humidity", "duct_length", "duct_width", "duct_diameter",
               "storey_height", "storeys", "grille_height", "grille_width", "grille_diameter", "loss_coefficient",
               "turns", "constant_flow", "regulated_flow", "variant_flow", "material", "installation", "fan",
               "variant"]
HOSTILE = ["1e400", "-1e400", "1e308", "-1e308", "1.7e308", "-0", "-0.0", "0", "0,25", "4,6", "nan", "NaN", "-nan",
           "inf", "-inf", "infinity", "99999999999999999999999", "-99999999999999999999999", "2147483647",
           "2147483648", "-2147483649", "4294967296", "1e-400", "4.9e-324", "2.2e-308", "0x10", "1e", "--1",
           "+1", " 7 ", "\x01", "\x7f", "\x1b[31m", "\xff\xfe", "1" * 5000, "9" * 300, "0." + "0" * 400 + "1",
           "\u0119" * 100, "", "1\r", "1e30", "1e15", "123456789.123456789", "-5", "1e-30", "Edit1"]
VALUE_FILES = ["dialog.sav", "dialog1.sav", "dialog22.sav", "dialog33.sav", "dialog4.sav", "dialog5.sav",
               "dialog6.sav", "dialog7.sav"]
OUTPUT_NAMES = ["pstr.txt", "pt.gnu", "gif.gnu", "wykres.gnu", "wykresy/wykresy.html", "wykresy/wykres.gif",
                "wykresy/wykres.gif.old~", "wykresy/wykres_tl.gif", "pstr.txt.tmp~", "dialog.sav.tmp~"]
TEXT_SUFFIXES = (".sav", ".gnu", ".txt", ".html")
INF_NAN = re.compile(rb"(?i)(?<![a-z])[-+]?(inf|nan)(?![a-z])")
SANITIZER = re.compile(r"AddressSanitizer|LeakSanitizer|UndefinedBehaviorSanitizer|runtime error:")
VICTIM_TEXT = b"victim: not the program's file\n"
GIF = b"GIF89a" + b"\x01\x00\x01\x00\x00\x00\x00;"

FAKE_PLOTTER = """#!/bin/sh
out=$(sed -n "s/^set output '\\(.*\\)'$/\\1/p" "$1")
case "$FAKE_MODE" in
hang) exec sleep 1000 ;;
torn) printf 'GIF89a\\001\\000' > "$out" ;;
empty) : > "$out" ;;
fifo) rm -f "$out"; mkfifo "$out" ;;
zero) rm -f "$out"; ln -s /dev/zero "$out" ;;
fail) echo "gnuplot: cannot open file" >&2; exit 1 ;;
selfkill) kill -KILL $$ ;;
xfsz) kill -XFSZ $$ ;;
slow*) sleep 0.1; printf 'GIF89a\\001\\000\\001\\000\\000\\000\\000%s;' "$FAKE_MODE" > "$out" ;;
*) printf 'GIF89a\\001\\000\\001\\000\\000\\000\\000%s;' "$FAKE_MODE" > "$out" ;;
esac
"""


class Campaign:
    def __init__(self, cli, scratch, rng, deadline, env):
        self.cli = os.path.abspath(cli)
        self.scratch = scratch
        self.rng = rng
        self.deadline = deadline
        self.env = env
        self.figures = {"runs": 0, "crashes": 0, "hangs": 0, "sanitizer": 0, "bad_status": 0, "inf_nan": 0,
                        "written_on_refusal": 0, "torn": 0, "lost": 0, "victims_written": 0, "leftovers": 0,
                        "kills": 0}
        self.by_kind = {}
        self.kind = "other"
        self.faults = []
        self.count = 0
        self.fakebin = os.path.join(scratch, "fakebin")
        os.makedirs(self.fakebin, exist_ok=True)
        with open(os.path.join(self.fakebin, "gnuplot"), "w") as script:
            script.write(FAKE_PLOTTER)
        os.chmod(os.path.join(self.fakebin, "gnuplot"), 0o755)
        self.victims = os.path.join(scratch, "victims")
        os.makedirs(self.victims, exist_ok=True)
        self.references = {}

    # --- running ---------------------------------------------------------------------------------
    def fresh(self, name):
        self.count += 1
        path = os.path.join(self.scratch, "%s_%d" % (name, self.count))
        os.makedirs(path)
        return path

    def write_input(self, text):
        self.count += 1
        path = os.path.join(self.scratch, "input_%d.txt" % self.count)
        with open(path, "wb") as f:
            f.write(text if isinstance(text, bytes) else text.encode("utf-8", "surrogateescape"))
        return path

    def start(self, args, plot_mode=None, file_limit=None, path_first=None):
        env = dict(self.env)
        if plot_mode is not None:
            env["PATH"] = self.fakebin + os.pathsep + env.get("PATH", "")
            env["FAKE_MODE"] = plot_mode
        if path_first is not None:  # the only folder searched: no real plotter behind it
            env["PATH"] = path_first
        limit = None
        if file_limit is not None:
            import resource
            limit = lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (file_limit, file_limit))
        return subprocess.Popen([self.cli] + args, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, env=env, start_new_session=True, preexec_fn=limit)

    def finish(self, proc, what, limit=30.0, killed=False, ended_by=None):
        self.figures["runs"] += 1
        self.by_kind[self.kind] = self.by_kind.get(self.kind, 0) + 1
        try:
            out, err = proc.communicate(timeout=limit)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            out, err = proc.communicate()
            self.fault("hangs", what, "still running after %.0f s" % limit)
            return None, b"", b""
        status = proc.returncode
        text = err.decode("utf-8", "replace")
        if SANITIZER.search(text):
            self.fault("sanitizer", what, text[-3000:])
        if killed and status == -signal.SIGKILL:
            return status, out, err
        # A signal that comes before the handlers are in place ends the run by its default action,
        # which a shell reports as 128 + the signal too; the leftovers are checked all the same.
        if ended_by is not None and status in (128 + ended_by, -ended_by, 0, 2, 3, 4):
            return status, out, err
        if status < 0 or status >= 128:
            self.fault("crashes", what, "status %d: %s" % (status, text[-2000:]))
        elif status not in (0, 2, 3, 4):
            self.fault("bad_status", what, "status %d: %s" % (status, text[-2000:]))
        return status, out, err

    def run(self, args, what, plot_mode=None, limit=30.0):
        return self.finish(self.start(args, plot_mode), what, limit)

    def fault(self, kind, what, detail):
        self.figures[kind] += 1
        if sum(1 for f in self.faults if f[0] == kind) < 5:
            self.faults.append((kind, what, detail))

    # --- folder checks ---------------------------------------------------------------------------
    @staticmethod
    def snapshot_entry(path):
        mode = os.lstat(path).st_mode
        if stat.S_ISLNK(mode):
            return ("l", os.readlink(path))
        if stat.S_ISDIR(mode):
            return ("d",)
        if stat.S_ISREG(mode):
            with open(path, "rb") as f:
                return ("f", hashlib.sha1(f.read()).hexdigest())
        return ("o",)

    @staticmethod
    def snapshot(folder):
        """relative name -> ('f', sha) | ('l', target) | ('d',) | ('o',) for everything below folder."""
        result = {}
        if not os.path.lexists(folder):
            return None
        for base, dirs, files in os.walk(folder):
            for name in dirs + files:
                path = os.path.join(base, name)
                rel = os.path.relpath(path, folder)
                mode = os.lstat(path).st_mode
                if stat.S_ISLNK(mode):
                    result[rel] = ("l", os.readlink(path))
                elif stat.S_ISDIR(mode):
                    result[rel] = ("d",)
                elif stat.S_ISREG(mode):
                    with open(path, "rb") as f:
                        result[rel] = ("f", hashlib.sha1(f.read()).hexdigest())
                else:
                    result[rel] = ("o",)
        return result

    def check_texts(self, folder, what, before=None):
        """Text files the run wrote (all when `before` is None) must hold no "inf" or "nan"."""
        before = before or {}
        for base, _, files in os.walk(folder):
            for name in files:
                path = os.path.join(base, name)
                if not name.endswith(TEXT_SUFFIXES) or not stat.S_ISREG(os.lstat(path).st_mode):
                    continue
                if before.get(os.path.relpath(path, folder)) == self.snapshot_entry(path):
                    continue
                with open(path, "rb") as f:
                    found = INF_NAN.search(f.read(1 << 20))
                if found:
                    self.fault("inf_nan", what, "%s holds %r" % (os.path.relpath(path, folder), found.group(0)))

    def check_leftovers(self, folder, what, planted=()):
        for base, _, files in os.walk(folder):
            for name in files:
                if os.path.relpath(os.path.join(base, name), folder) in planted:
                    continue
                if re.search(r"\.[0-9a-f]{16}\.tmp~$", name) or name == ".went_char.lock":
                    self.fault("leftovers", what, os.path.relpath(os.path.join(base, name), folder))

    def victim(self):
        self.count += 1
        path = os.path.join(self.victims, "victim_%d" % self.count)
        with open(path, "wb") as f:
            f.write(VICTIM_TEXT)
        return path

    def check_victims(self, what, allowed=()):
        for name in os.listdir(self.victims):
            path = os.path.join(self.victims, name)
            if path in allowed or not os.path.isfile(path):
                continue
            with open(path, "rb") as f:
                if f.read() != VICTIM_TEXT:
                    self.fault("victims_written", what, path)
        for name in os.listdir(self.victims):  # written through a value file's link, as allowed
            path = os.path.join(self.victims, name)
            if os.path.isfile(path):
                with open(path, "wb") as g:
                    g.write(VICTIM_TEXT)

    def check_run(self, status, before, folder, what, planted=()):
        if status is None:
            return
        after = self.snapshot(folder)
        if status == 2 and {k: v for k, v in (after or {}).items() if k not in planted} != \
                {k: v for k, v in (before or {}).items() if k not in planted}:
            changed = sorted(set((after or {}).items()) ^ set((before or {}).items()))[:5]
            self.fault("written_on_refusal", what, "changed: %r" % (changed,))
        if after is not None:
            self.check_texts(folder, what, before)
            self.check_leftovers(folder, what, planted)

    # --- inputs ----------------------------------------------------------------------------------
    def mutated_input(self):
        example = self.rng.choice(EXAMPLES)
        with open(example, encoding="utf-8") as f:
            lines = f.read().split("\n")
        keys = [i for i, line in enumerate(lines) if "=" in line and not line.startswith("#")]
        for _ in range(self.rng.randint(1, 3)):
            choice = self.rng.random()
            if choice < 0.7 and keys:
                i = self.rng.choice(keys)
                key = lines[i].split("=")[0].strip()
                lines[i] = "%s = %s" % (key, self.rng.choice(HOSTILE))
            elif choice < 0.85:
                lines.insert(self.rng.randint(0, len(lines)), "%s = %s" % (self.rng.choice(NUMBER_KEYS),
                                                                           self.rng.choice(HOSTILE)))
            elif choice < 0.9:
                lines.insert(self.rng.randint(0, len(lines)), "#" + "x" * self.rng.choice([100, 70000, 2000000]))
            elif choice < 0.95:
                lines.insert(self.rng.randint(0, len(lines)), self.rng.choice(
                    ["density\x00 = 1", "\ufeffdensity = 1.2", "= 5", "storeys == 3", "x" * 5000 + " = 1",
                     "density = 1.2\r", "fan = 19 # comment", "\x1b]0;title\x07 = 1"]))
            else:
                lines = [line + "\r" for line in lines]
        return "\n".join(lines)

    def mode_args(self):
        mode = self.rng.random()
        hostile = lambda: self.rng.choice(HOSTILE + ["50", "1", "0.5", "-20", "20", "60", "-61", "700", "0"])
        if mode < 0.45:
            return ["--no-plot"], "plain"
        if mode < 0.7:
            args = ["--rank", hostile()]
            if self.rng.random() < 0.3:
                args.append("--csv")
            return args, "rank"
        args = ["--no-plot", "--storeys"]
        if self.rng.random() < 0.6:
            args += ["--outside-temp", hostile()]
        if self.rng.random() < 0.5:
            args += ["--speed", hostile()]
        if self.rng.random() < 0.3:
            args.append("--csv")
        return args, "storeys"

    # --- phases ----------------------------------------------------------------------------------
    def phase_mutations(self, runs):
        folder = None
        for i in range(runs):
            if time.time() > self.deadline:
                return
            if folder is None or self.rng.random() < 0.3:
                folder = os.path.join(self.fresh("mut"), "w")  # made by the run when the input is good
            text = self.mutated_input()
            args, mode = self.mode_args()
            inp = self.write_input(text)
            what = "mutation %s %r on %r" % (mode, args, text[-300:])
            before = self.snapshot(folder)
            status, _, _ = self.run(args + ["--dir", folder, inp], what)
            self.check_run(status, before, folder, what)
            os.remove(inp)

    def plant(self, path, kind):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        if os.path.lexists(path):
            if os.path.isdir(path) and not os.path.islink(path):
                shutil.rmtree(path)
            else:
                os.remove(path)
        if kind == "dir":
            os.makedirs(os.path.join(path, "sub"))
        elif kind == "fifo":
            os.mkfifo(path)
        elif kind == "zero":
            os.symlink("/dev/zero", path)
        elif kind == "victim":
            os.symlink(self.victim(), path)
        elif kind == "dangling":
            os.symlink(os.path.join(self.victims, "missing_%d" % self.count), path)
        elif kind == "dirlink":
            os.symlink(self.victims, path)
        elif kind == "garbage":
            with open(path, "wb") as f:
                f.write(self.rng.choice([b"\xff" * 9000, b"1e400\n" * 8, b"nan\ninf\n", b"\x00" * 100,
                                         b"9" * 100000 + b"\n"]))

    def phase_planted(self, runs):
        kinds = ["dir", "fifo", "zero", "victim", "dangling", "dirlink", "garbage"]
        for i in range(runs):
            if time.time() > self.deadline:
                return
            folder = os.path.join(self.fresh("plant"), "w")
            example = self.rng.choice(EXAMPLES)
            if self.rng.random() < 0.5:  # a whole run first: the plants then meet real files
                self.run(["--no-plot", "--dir", folder, example], "preparation")
            planted = []
            for _ in range(self.rng.randint(1, 3)):
                name = self.rng.choice(VALUE_FILES + OUTPUT_NAMES + [".went_char.lock"])
                kind = self.rng.choice(kinds)
                self.plant(os.path.join(folder, name), kind)
                planted.append((name, kind))
            allowed = set()
            for name, kind in planted:  # a value file that is a link is written through to its target
                path = os.path.join(folder, name)
                if name in VALUE_FILES and kind == "victim":
                    allowed.add(os.path.realpath(path))
            args, mode = self.mode_args()
            if self.rng.random() < 0.3 and mode == "plain":
                args = ["--plot-timeout", "1"]
                plot = self.rng.choice(["whole", "torn", "fifo", "zero"])
            else:
                plot = None
            if self.rng.random() < 0.5:
                inp, input_kind = example, "example"
            else:
                input_kind = self.rng.choice(kinds)
                inp = os.path.join(self.scratch, "planted_input_%d" % self.count)
                self.plant(inp, input_kind)
            what = "planted %r, input %s, %s %r plot %s" % (planted, input_kind, mode, args, plot)
            before = self.snapshot(folder)
            status, _, _ = self.run(args + ["--dir", folder, inp], what, plot_mode=plot, limit=30)
            if input_kind != "example" and status not in (2, None):
                self.fault("bad_status", what, "planted input gave status %d" % status)
            self.check_run(status, before, folder, what, {".went_char.lock"} & {n for n, _ in planted})
            self.check_victims(what, allowed)

    def inputs_for_concurrency(self):
        base = open(os.path.join(ROOT, "examples", "blok_10_kondygnacji.txt"), encoding="utf-8").read()
        texts = []
        for storeys, flow in ((4, "0.3"), (7, "0.4"), (10, "0.6"), (13, "0.5")):
            texts.append(base.replace("storeys = 10", "storeys = %d" % storeys)
                         .replace("regulated_flow = 0.6", "regulated_flow = " + flow))
        return [self.write_input(t) for t in texts]

    def reference(self, inp, args):
        key = (inp, tuple(args))
        if key not in self.references:
            folder = os.path.join(self.fresh("ref"), "w")
            status, _, _ = self.run(args + ["--dir", folder, inp], "reference")
            self.references[key] = self.snapshot(folder)
        return self.references[key]

    def phase_concurrent(self, rounds):
        inputs = self.inputs_for_concurrency()
        refs = [self.reference(inp, ["--no-plot"]) for inp in inputs]
        rank_refs = [self.reference(inp, ["--rank", "40"]) for inp in inputs]
        storey_refs = [self.reference(inp, ["--no-plot", "--storeys"]) for inp in inputs]
        plain_folder = os.path.join(self.fresh("conc"), "w")
        mixed_folder = os.path.join(self.fresh("conc"), "w")
        for r in range(rounds):
            if time.time() > self.deadline:
                return
            mixed = r % 3 == 2
            folder = mixed_folder if mixed else plain_folder
            os.makedirs(folder, exist_ok=True)
            procs = []
            for i, inp in enumerate(inputs):
                args = ["--no-plot"]
                if mixed:
                    args = self.rng.choice([["--no-plot"], ["--rank", "40"], ["--no-plot", "--storeys"]])
                procs.append((self.start(args + ["--dir", folder, inp]), "concurrent round %d run %d %r" % (r, i, args)))
            for proc, what in procs:
                status, _, err = self.finish(proc, what)
                if status not in (0, None) and not (status == 3 and "--storeys" in what):
                    self.fault("bad_status", what, "status %s: %s" % (status, err[-500:]))
            after = self.snapshot(folder)
            what = "concurrent round %d" % r
            if not mixed:
                if not any(after == ref for ref in refs):
                    self.fault("torn", what, "the folder is no single run's: %r" % self.differences(after, refs))
            else:
                for name, entry in after.items():
                    if not any(ref.get(name) == entry for ref in refs + rank_refs + storey_refs):
                        self.fault("torn", what, name)
            self.check_leftovers(folder, what)

    @staticmethod
    def differences(after, refs):
        best = min(refs, key=lambda ref: len(set(ref.items()) ^ set(after.items())))
        return sorted(set(best.items()) ^ set(after.items()))[:6]

    def phase_kills(self, rounds):
        inputs = self.inputs_for_concurrency()
        refs = [self.reference(inp, ["--no-plot"]) for inp in inputs]
        folder = os.path.join(self.fresh("kill"), "w")
        started = time.time()
        self.run(["--no-plot", "--dir", folder, inputs[0]], "kill preparation")
        duration = time.time() - started  # the kills fall anywhere in a run of this length
        current = 0
        for r in range(rounds):
            if time.time() > self.deadline:
                return
            new = self.rng.randrange(len(inputs))
            proc = self.start(["--no-plot", "--dir", folder, inputs[new]])
            time.sleep(self.rng.uniform(0.0, duration))
            try:
                os.killpg(proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            status, _, _ = self.finish(proc, "killed run %d" % r, killed=True)
            killed = status == -signal.SIGKILL
            self.figures["kills"] += killed
            after = self.snapshot(folder)
            what = "kill round %d (from input %d to %d)" % (r, current, new)
            for name, entry in refs[current].items():
                if entry[0] == "f" and name not in after:
                    self.fault("lost", what, name)
            for name, entry in after.items():
                if re.search(r"\.tmp~$", name) or name == ".went_char.lock":
                    continue
                if entry not in (refs[current].get(name), refs[new].get(name)):
                    self.fault("torn", what, name)
            # Leftover temporaries of a killed run are removed by hand; the next run must not be kept out.
            for name in after:
                if name.endswith(".tmp~"):
                    os.remove(os.path.join(folder, name))
            status, _, _ = self.run(["--no-plot", "--dir", folder, inputs[new]], "run after a kill")
            if status != 0:
                self.fault("bad_status", "run after a kill", "status %s" % status)
            current = new
            if self.snapshot(folder) != refs[new]:
                self.fault("torn", "run after kill round %d" % r, repr(self.differences(self.snapshot(folder), refs)))

    def phase_plot_kills(self, rounds):
        """Killed while its plotter works: every picture is the old or the new one, none is lost,
        and the next whole run leaves nothing aside."""
        example = os.path.join(ROOT, "examples", "blok_10_kondygnacji.txt")
        folder = os.path.join(self.fresh("plotkill"), "w")
        self.run(["--dir", folder, example], "plot kill preparation", plot_mode="slow0")
        for r in range(rounds):
            if time.time() > self.deadline:
                return
            before = self.snapshot(folder)
            proc = self.start(["--dir", folder, example], plot_mode="slow%d" % (r + 1))
            time.sleep(self.rng.uniform(0.0, 0.9))
            try:
                os.killpg(proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            status, _, _ = self.finish(proc, "killed plotting run %d" % r, killed=True)
            self.figures["kills"] += status == -signal.SIGKILL
            time.sleep(0.3)  # a plotter of the killed run may still finish its picture
            after = self.snapshot(folder)
            what = "plot kill round %d" % r
            for name, entry in before.items():
                if name.endswith(".gif") and name not in after:
                    self.fault("lost", what, name + (" (left under .old~)" if name + ".old~" in after else ""))
                elif name.endswith(".gif") and after[name] != entry:
                    with open(os.path.join(folder, name), "rb") as f:
                        if not f.read().startswith(b"GIF89a\x01\x00\x01\x00\x00\x00\x00slow"):
                            self.fault("torn", what, name)
            status, _, _ = self.run(["--dir", folder, example], "plotting run after a kill", plot_mode="slow")
            for name in self.snapshot(folder):
                if name.endswith(".old~"):
                    self.fault("leftovers", "plotting run after kill round %d" % r, name)

    def phase_plotter(self, rounds):
        example = os.path.join(ROOT, "examples", "blok_10_kondygnacji.txt")
        folder = os.path.join(self.fresh("plot"), "w")
        self.run(["--dir", folder, example], "plot preparation", plot_mode="first")
        for r in range(rounds):
            if time.time() > self.deadline:
                return
            mode = self.rng.choice(["hang", "torn", "empty", "fifo", "zero", "fail", "good%d" % r])
            before = self.snapshot(folder)
            gifs = {n: e for n, e in before.items() if n.endswith(".gif")}
            what = "plotter %s" % mode
            start = time.time()
            status, _, err = self.run(["--plot-timeout", "0.5", "--dir", folder, example], what, plot_mode=mode,
                                      limit=60)
            if status is None:
                continue
            after = self.snapshot(folder)
            self.check_texts(folder, what, before)
            self.check_leftovers(folder, what)
            if mode.startswith("good"):
                if status != 0 or any(after.get(n) == e for n, e in gifs.items()):
                    self.fault("bad_status", what, "status %s, pictures not replaced" % status)
            else:
                if status != 4:
                    self.fault("bad_status", what, "status %s instead of 4: %s" % (status, err[-300:]))
                for name, entry in gifs.items():
                    if after.get(name) != entry:
                        self.fault("lost", what, "previous picture %s not kept" % name)
                for name, entry in after.items():
                    if name.endswith(".old~"):
                        self.fault("leftovers", what, name)

    def phase_second(self, rounds):
        """Signals, file-size limits, plotters that die or cannot start, a taken aside name, a
        folder at the lock's name: statuses as documented, no picture lost, nothing left behind."""
        example = os.path.join(ROOT, "examples", "blok_10_kondygnacji.txt")
        folder = os.path.join(self.fresh("second"), "w")
        self.kind = "second: preparation"
        self.run(["--dir", folder, example], "second preparation", plot_mode="first")
        dirbin = os.path.join(self.scratch, "dirbin")
        os.makedirs(os.path.join(dirbin, "gnuplot"), exist_ok=True)
        for r in range(rounds):
            if time.time() > self.deadline:
                return
            case = self.rng.choice(["term", "int", "fsize", "selfkill", "xfsz", "dirplotter", "aside"])
            self.kind = "second: " + case
            what = "%s round %d" % (case, r)
            before = self.snapshot(folder)
            gifs = {n: e for n, e in before.items() if n.endswith(".gif")}
            if case in ("term", "int"):
                sig = signal.SIGTERM if case == "term" else signal.SIGINT
                proc = self.start(["--dir", folder, example], plot_mode="slow%d" % r)
                time.sleep(self.rng.uniform(0.0, 1.0))
                try:
                    os.kill(proc.pid, sig)
                except ProcessLookupError:
                    pass
                status, _, _ = self.finish(proc, what, ended_by=sig)
                self.figures["kills"] += status == 128 + sig
                time.sleep(0.2)
            elif case == "fsize":
                size = self.rng.choice([0, 512, 4096, 20000, 60000])
                status, _, err = self.finish(self.start(["--dir", folder, example], plot_mode="good%d" % r,
                                                        file_limit=size), what)
                if status not in (0, 4, None):
                    self.fault("bad_status", what, "status %s: %s" % (status, err[-300:]))
            elif case == "aside":
                os.makedirs(os.path.join(folder, "wykresy", "wykres.gif.old~", "x"), exist_ok=True)
                status, _, err = self.run(["--dir", folder, example], what, plot_mode="torn")
                shutil.rmtree(os.path.join(folder, "wykresy", "wykres.gif.old~"), ignore_errors=True)
                if status != 4:
                    self.fault("bad_status", what, "status %s instead of 4" % status)
            else:
                mode = None if case == "dirplotter" else case
                proc = self.start(["--dir", folder, example], plot_mode=mode,
                                  path_first=dirbin if case == "dirplotter" else None)
                status, _, err = self.finish(proc, what)
                if status != 4 or b"nie uda\xc5\x82o si\xc4\x99 uruchomi\xc4\x87" in err and case != "dirplotter":
                    self.fault("bad_status", what, "status %s: %s" % (status, err[-300:]))
            if status is None:
                continue
            after = self.snapshot(folder)
            for name, entry in gifs.items():
                if name not in after:
                    self.fault("lost", what, name)
                else:
                    with open(os.path.join(folder, name), "rb") as f:
                        data = f.read()
                    if not (data[:6] in (b"GIF87a", b"GIF89a") and data.endswith(b";")):
                        self.fault("torn", what, name)
            self.check_texts(folder, what, before)
            self.check_leftovers(folder, what)
            for name in after:
                if name.endswith(".old~"):
                    self.fault("leftovers", what, name)

        # Runs at once in a folder with a folder at the lock's name: still one whole run at a time.
        self.kind = "second: lock folder"
        inputs = self.inputs_for_concurrency()
        refs = [self.reference(inp, ["--no-plot"]) for inp in inputs]
        folder = os.path.join(self.fresh("lockdir"), "w")
        os.makedirs(os.path.join(folder, ".went_char.lock"))
        for r in range(max(2, rounds // 10)):
            if time.time() > self.deadline:
                return
            procs = [(self.start(["--no-plot", "--dir", folder, inp]), "lock folder round %d run %d" % (r, i))
                     for i, inp in enumerate(inputs)]
            for proc, what in procs:
                status, _, err = self.finish(proc, what)
                if status not in (0, None):
                    self.fault("bad_status", what, "status %s: %s" % (status, err[-300:]))
            after = {n: e for n, e in self.snapshot(folder).items() if n != ".went_char.lock"}
            if not any(after == ref for ref in refs):
                self.fault("torn", "lock folder round %d" % r, repr(self.differences(after, refs)))

    def phase_inputs(self):
        """INPUT itself hostile: each must be refused with exit 2, nothing written, no hang."""
        for kind in ["dir", "fifo", "zero", "dirlink", "dangling", "garbage"]:
            inp = os.path.join(self.scratch, "input_%s_%d" % (kind, self.count))
            self.plant(inp, kind)
            for args in (["--no-plot"], ["--rank", "50"], ["--no-plot", "--storeys"]):
                folder = os.path.join(self.fresh("inp"), "w")
                status, _, _ = self.run(args + ["--dir", folder, inp], "input %s %r" % (kind, args), limit=20)
                if status not in (2, None):
                    self.fault("bad_status", "input %s" % kind, "status %s" % status)
                self.check_run(status, None, folder, "input %s" % kind)
        for special in ["/dev/zero", "/dev/null", "/proc/self/mem", "/", "/dev/stdin"]:
            folder = os.path.join(self.fresh("inp"), "w")
            status, _, _ = self.run(["--no-plot", "--dir", folder, special], "input " + special, limit=20)
            self.check_run(status, None, folder, "input " + special)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--runs", type=int, default=1500, help="mutation runs per program (default 1500)")
    parser.add_argument("--seconds", type=float, default=900, help="time limit per program (default 900)")
    parser.add_argument("--seed", type=int, default=None)
    parser.add_argument("--keep", action="store_true", help="keep the scratch folder")
    parser.add_argument("cli", nargs="+")
    options = parser.parse_args()
    seed = options.seed if options.seed is not None else random.randrange(1 << 30)
    env = dict(os.environ)
    env.setdefault("ASAN_OPTIONS", "detect_leaks=1:abort_on_error=1")
    env.setdefault("LSAN_OPTIONS", "suppressions=%s/scripts/lsan.supp:print_suppressions=0" % ROOT)
    env.setdefault("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1")
    failed = False
    for cli in options.cli:
        rng = random.Random(seed)
        scratch = tempfile.mkdtemp(prefix="went_hostile_")
        campaign = Campaign(cli, scratch, rng, time.time() + options.seconds, env)
        started = time.time()
        campaign.kind = "inputs"
        campaign.phase_inputs()
        campaign.kind = "second campaign"
        campaign.phase_second(max(14, options.runs // 10))
        campaign.kind = "plotter"
        campaign.phase_plotter(max(7, options.runs // 50))
        campaign.kind = "plot kills"
        campaign.phase_plot_kills(max(5, options.runs // 100))
        campaign.kind = "concurrent"
        campaign.phase_concurrent(max(6, options.runs // 25))
        campaign.kind = "kills"
        campaign.phase_kills(max(6, options.runs // 25))
        campaign.kind = "planted"
        campaign.phase_planted(max(20, options.runs // 5))
        campaign.kind = "mutations"
        campaign.phase_mutations(options.runs)
        figures = campaign.figures
        print("%s (seed %d, %.0f s): %s" % (cli, seed, time.time() - started,
                                            ", ".join("%s %d" % item for item in figures.items())))
        print("  runs by kind: " + ", ".join("%s %d" % item for item in campaign.by_kind.items()))
        for kind, what, detail in campaign.faults:
            print("  FAULT %s: %s\n        %s" % (kind, what[:400], str(detail)[:1500]))
        failed = failed or bool(campaign.faults)
        if options.keep:
            print("  scratch kept in", scratch)
        else:
            subprocess.run(["chmod", "-R", "u+rwx", scratch])
            shutil.rmtree(scratch, ignore_errors=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
