#!/usr/bin/env python3
"""Deliberate breaks of the program, each of which some test must catch.

Applies one break at a time to a source tree, rebuilds its build tree and runs ctest; a break no
test fails on "survives". The source file is restored after every break, whatever happens.

  scripts/mutants.py [--tree DIR] [--build DIR] [--only REGEX] [--verbose] [--list]

--tree defaults to the tree this script lies in, --build to <tree>/build-test (configured with
scripts/build.sh). --only picks breaks whose name matches REGEX. --verbose runs every test for
each break and names the tests that fail, instead of stopping at the first. Exits 1 when a break
survives or does not apply any more.
"""
import argparse
import os
import pathlib
import re
import subprocess
import sys

# name, file, text in the file (exactly once), text put in its place
MUTANTS = [
    # model/
    ("model: catalogue digit of entry 4's silencer", "model/fan_catalogue.cpp", "-1.1308,", "-1.1309,"),
    ("model: search window 0.000006", "model/operating_point_search.cpp",
     "kSearchTolerance = 0.000005;", "kSearchTolerance = 0.000006;"),
    ("model: transition loss coefficient", "model/network.cpp", "92.941 *", "92.942 *"),
    ("model: friction exponent", "model/network.cpp", "std::pow(roughness, 0.314)", "std::pow(roughness, 0.315)"),
    ("model: storey pressure sum off by one", "model/network.cpp",
     "for (int32_t j = 0; j <= i; ++j)", "for (int32_t j = 0; j < i; ++j)"),
    ("model: regulated speed formula", "model/regulation.cpp", "fanSpeed * rp / rq", "fanSpeed * rq / rp"),
    ("model: base variant regulated on the silencer", "model/regulation.cpp",
     "variantFlow = record.BaseFlow;", "variantFlow = record.SilencerFlow;"),
    ("model: variant residual tolerance", "model/operating_point.cpp",
     "kVariantTolerance = 0.01;", "kVariantTolerance = 0.011;"),
    ("model: gravity of the stack effect", "model/storey_flows.h", "kGravity = 9.81;", "kGravity = 9.80665;"),
    ("model: storey march skips the stack", "model/storey_flows.cpp",
     "const double across = p + riser.Stack[static_cast<size_t>(i)];", "const double across = p;"),
    ("model: constant-flow grille never holds", "model/storey_flows.cpp",
     "if (riser.ConstantFlow && pressure >=", "if (false && pressure >="),
    ("model: ranking order of reaching rows", "model/catalogue_ranking.cpp",
     "return a.GrilleFlowHourly < b.GrilleFlowHourly;  // smallest surplus first",
     "return a.GrilleFlowHourly > b.GrilleFlowHourly;  // smallest surplus first"),
    ("model: gas constant of dry air", "dialogs/dialog_actions.cpp", "287.04 /", "287.05 /"),
    # output/
    ("output: swapped report columns", "output/report.cpp",
     "{ReportColumn::BaseValue,       370, 2900},", "{ReportColumn::BaseValue,       570, 3800},"),
    ("output: HTML format of Qjrh", "output/result_rows.h",
     '&ResultPoint::GrilleFlowHourly, "%1.2f", "%1.3f"', '&ResultPoint::GrilleFlowHourly, "%1.2f", "%1.2f"'),
    ("output: report format of Qi", "output/result_rows.h",
     '&ResultPoint::GrilleFlowHourly, "%1.1f", "%1.1f"', '&ResultPoint::GrilleFlowHourly, "%1.2f", "%1.1f"'),
    ("output: chart point separator", "output/charts.cpp",
     'FormatNumber("%f", flow) + "  "', 'FormatNumber("%f", flow) + " "'),
    ("output: save script quote not doubled", "output/charts.cpp",
     "quoted += c == '\\'' ? std::string(\"''\")", "quoted += c == '\\'' ? std::string(\"'\")"),
    ("output: code page letter", "output/cp1250.cpp", "0x00B8, 0x0105, 0x015F", "0x00B8, 0x0104, 0x015F"),
    ("output: torn picture taken as whole", "output/storage/picture_guard.cpp",
     "bytes.back() == kGifTrailer", "bytes.back() != 0"),
    ("output: folder lock not waited for", "output/storage/folder_lock.cpp",
     "while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {", "while (false) {"),
    ("output: rewrite drops the permission bits", "output/storage/text_file.cpp",
     "    KeepMode(fd, target);", "    if (false)\n        KeepMode(fd, target);"),
    ("output: user input behind a link replaces the link", "output/storage/text_file.cpp",
     "const std::string target = FinalPath(path, mode);",
     "const std::string target = true ? path : FinalPath(path, mode);"),
    ("output: quoted input not cut", "output/quoted_input.cpp",
     "if (total > kMaxQuotedCharacters)\n        quoted += ", "if (false)\n        quoted += "),
    ("output: HTML density format", "output/html_reports.cpp",
     "<td>Gęstość powietrza</td><td>= %1.3f", "<td>Gęstość powietrza</td><td>= %1.2f"),
    # dialogs/
    ("dialogs: value-file line lost", "dialogs/value_files.cpp",
     "    for (const std::string& line : lines) {", "    for (const std::string& line : lines) {\n"
     "        if (&line == &lines.back() && lines.size() > 1)\n            break;"),
    ("dialogs: value-file line width", "dialogs/dialog_table.cpp",
     '"duct_diameter", "%1.3f", 19}', '"duct_diameter", "%1.3f", 9}'),
    ("dialogs: building file's texts not shown", "dialogs/dialog_actions.cpp",
     "    LayBuildingTexts(dialog, building, texts);\n", ""),
    ("dialogs: building file's lines of a bad line's neighbours dropped", "dialogs/building_file.cpp",
     "            building.Problems.push_back(LineProblem(line.Line, problem));\n            continue;",
     "            building.Problems.push_back(LineProblem(line.Line, problem));\n            break;"),
    ("commands: no fan selection at start", "commands/commands.cpp",
     "    return SelectFan(record).Found;", "    return false;"),
    ("dialogs: value-file format", "dialogs/dialog_table.cpp",
     '"grille_width",     "%1.2f", 19}', '"grille_width",     "%1.3f", 19}'),
    ("dialogs: decimal comma accepted", "dialogs/dialog_actions.cpp",
     "if (text.find(',') == std::string_view::npos)", "if (true)"),
    ("dialogs: 100 storeys accepted", "dialogs/dialog_actions.cpp",
     "count >= 0 && count <= kMaxStoreyCount", "count >= 0 && count <= kMaxStoreyCount + 1"),
    ("dialogs: adjustable grille opens to 21", "dialogs/dialog_actions.cpp", "kMaxTurns = 20;", "kMaxTurns = 21;"),
    ("dialogs: constant-flow grille coefficient", "dialogs/dialog_actions.cpp",
     '{"100 mm", 0.1,   -1.77287, 10.3756}', '{"100 mm", 0.1,   -1.77287, 10.3757}'),
    ("dialogs: building dialogs of kinds 4 and 5 swapped", "dialogs/dialog_actions.cpp",
     "{kConstantFlowRoundGrille,       DialogId::Form22222,", "{kConstantFlowRoundGrille,       DialogId::Form222222,"),
    ("dialogs: batch key of a box", "dialogs/dialog_table.cpp",
     '"Wysokość kratki [m]",        "grille_height"', '"Wysokość kratki [m]",        "grille_width"'),
    # commands/
    ("commands: HTML report before the plot", "commands/commands.cpp",
     "        PlotPicture(session, ChartSet::Fan);\n"
     "        WriteHtmlReport(session.Dir, ChartSet::Fan, record, session.Problems);",
     "        WriteHtmlReport(session.Dir, ChartSet::Fan, record, session.Problems);\n"
     "        PlotPicture(session, ChartSet::Fan);"),
    ("commands: regulation leaves the report kind", "commands/commands.cpp",
     "        SetReportKind(record, reportKind);\n        return CommandResult::Done;",
     "        (void)reportKind;\n        return CommandResult::Done;"),
    ("commands: regulation without an operating point", "commands/commands.cpp",
     "    if (!HasOperatingPoint(session.Record)) {\n        session.Ui.ShowMessage(kNoOperatingPointMessage",
     "    if (false) {\n        session.Ui.ShowMessage(kNoOperatingPointMessage"),
    ("commands: unsuitable fan not said", "commands/commands.cpp",
     "        session.Ui.ShowMessage(kUnsuitableFanMessage, kMessageCaption);", ""),
    # app/
    ("app: long hint part", "app/menu_table.cpp", "hint.substr(bar + 1)", "hint.substr(bar)"),
    ("app: page positions not scaled", "app/report_canvas.cpp",
     "static_cast<double>(dots600) * dpi / PrintLayout::Dpi", "static_cast<double>(dots600) + 0 * dpi"),
    ("app: page break one line late", "app/report_canvas.cpp",
     "ToDevice(y, dpi) + canvas.LineHeight() > canvas.PageHeight()", "ToDevice(y, dpi) > canvas.PageHeight()"),
    ("app: chart window closes at once", "app/chart_commands.cpp", '{"-persist", script}', "{script}"),
    ("app: save dialog filter", "app/system_dialogs.cpp", "Pliki graficzne (*.gif)", "Pliki graficzne (*.GIF)"),
    ("app: menu item runs another handler", "app/menu_table.cpp",
     '"Wyświetla charakterystykę wentylatora",                       "char_wyswietl"}',
     '"Wyświetla charakterystykę wentylatora",                       "obr_reg_wyswietl"}'),
    # cli/
    ("cli: unsuitable fan exits 0", "cli/batch_run.cpp", "status = kExitFanUnsuitable;", "status = 0;"),
    ("cli: --plot-timeout ignored", "cli/main.cpp", "options.PlotTimeout = *limit;", "(void)*limit;"),
    ("cli: comment lines read as keys", "dialogs/building_file.cpp",
     "if (content.empty() || content.front() == '#')", "if (content.empty())"),
]


def run(command, cwd, quiet=True):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE if quiet else None,
                          stderr=subprocess.STDOUT if quiet else None, text=True)


def failed_tests(output):
    return re.findall(r"\d+ - (\S+) \(Failed|\d+ - (\S+) \(SEGFAULT|\d+ - (\S+) \(Timeout|\d+ - (\S+) \(Subprocess", output)


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--tree", default=str(root))
    parser.add_argument("--build")
    parser.add_argument("--only", default="")
    parser.add_argument("--verbose", action="store_true")
    parser.add_argument("--list", action="store_true")
    args = parser.parse_args()
    tree = pathlib.Path(args.tree).resolve()
    build = pathlib.Path(args.build).resolve() if args.build else tree / "build-test"
    chosen = [m for m in MUTANTS if re.search(args.only, m[0])]
    if args.list:
        for name, path, _, _ in chosen:
            print(f"{name}  ({path})")
        return 0

    env_note = os.environ.get("QT_QPA_PLATFORM")
    if env_note is None:
        os.environ["QT_QPA_PLATFORM"] = "offscreen"
    if run(["cmake", "--build", str(build)], tree).returncode != 0:
        print("the unbroken tree does not build", file=sys.stderr)
        return 2
    problems = 0
    for name, path, old, new in chosen:
        source = tree / path
        original = source.read_bytes()
        text = original.decode("utf-8")
        if text.count(old) != 1:
            print(f"NOT APPLIED  {name}: the text stands {text.count(old)} times in {path}")
            problems += 1
            continue
        try:
            source.write_text(text.replace(old, new), encoding="utf-8")
            built = run(["cmake", "--build", str(build)], tree)
            if built.returncode != 0:
                print(f"NO BUILD     {name}")
                problems += 1
                continue
            ctest = ["ctest", "--test-dir", str(build), "-j2", "--timeout", "300"]
            if not args.verbose:
                ctest.append("--stop-on-failure")
            tested = run(ctest, tree)
            if tested.returncode == 0:
                print(f"SURVIVED     {name}")
                problems += 1
            else:
                killers = sorted({next(g for g in groups if g) for groups in failed_tests(tested.stdout)})
                print(f"killed       {name}" + (f": {', '.join(killers)}" if args.verbose else ""))
        finally:
            source.write_bytes(original)
    run(["cmake", "--build", str(build)], tree)
    print(f"{len(chosen) - problems} of {len(chosen)} breaks caught")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
