#!/usr/bin/env python3
"""One stage of scripts/test.sh, and the summary of them all.

  test-stage.py build LOG PRESET            configures and builds a preset
  test-stage.py test LOG PRESET [ARGS...]   runs its tests (ctest ARGS...)
  test-stage.py summary LOG STARTED BUDGET  prints every stage, fails the run if any failed

Each stage goes on whatever the one before did and leaves a record in LOG/stages/; the
summary reads them all, so that one failure does not hide the next.

A test that fails gets no second run, with one exception: a Wine suite that Wine itself
refused to start (its server dropped the program before any test began) says nothing of the
program, and is run once more. Each such retry is printed and kept in LOG/retries.log; more
than three in one run fail it, as that many say Wine is broken here."""

import json
import os
import re
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# What Wine prints when its server drops a program as it starts.
WINE_REFUSED = re.compile(r"wine client error:.*Connection reset by peer")
# GoogleTest's first line: once it is printed, the suite's own tests have begun.
TESTS_BEGUN = "[==========] Running"
MAX_RETRIES = 3
# The one skip CI allows: 32-bit Wine cannot start, on a kernel without 32-bit support or
# where the package lists could not give wine32 (scripts/wine-run.sh, install-deps.sh).
ALLOWED_ON_CI = "32-bit Wine cannot start"
# A GoogleTest case that skipped itself, in the list at the end of a suite.
GTEST_SKIPPED = re.compile(r"^\[  SKIPPED \] (\S+\.\S+)$", re.M)
# The e2e harness's count of the starts Wine refused (tests/e2e/KeysteadProcess.cpp).
STARTS_REFUSED = re.compile(r"^Wine refused (\d+) of \d+ starts", re.M)


def on_ci():
    return os.environ.get("CI") == "true"


def record(log, stage):
    """Keeps a stage's record, numbered in the order the stages ran."""
    folder = os.path.join(log, "stages")
    os.makedirs(folder, exist_ok=True)
    number = len(os.listdir(folder))
    with open(os.path.join(folder, f"{number:02d}.json"), "w", encoding="utf-8") as file:
        json.dump(stage, file)


def run_logged(command, log_path, env=None):
    """Runs a command, its output both on the terminal and in the log; its exit status."""
    with open(log_path, "ab") as log_file:
        process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                   cwd=ROOT, env=env)
        for line in process.stdout:
            sys.stdout.buffer.write(line)
            sys.stdout.flush()
            log_file.write(line)
        return process.wait()


def build(log, preset):
    started = time.monotonic()
    log_path = os.path.join(log, f"build-{preset}.log")
    jobs = str(os.cpu_count() or 1)
    status = run_logged(["cmake", "--preset", preset], log_path)
    if status == 0:
        status = run_logged(["cmake", "--build", "--preset", preset, "-j", jobs], log_path)
    record(log, {"stage": f"build {preset}", "ok": status == 0,
                 "seconds": time.monotonic() - started, "log": log_path})
    return status


def junit_cases(path):
    """Each test of a ctest JUnit file: name, outcome (passed, failed, skipped), seconds,
    output."""
    if not os.path.exists(path):
        return []
    cases = []
    for case in ElementTree.parse(path).getroot().iter("testcase"):
        output = case.findtext("system-out") or ""
        skipped = case.find("skipped")
        # ctest marks a test it could not run ("Unable to find executable") skipped as well:
        # only one that said so itself (exit code 77) is.
        if skipped is not None and skipped.get("message", "").startswith("SKIP_RETURN_CODE"):
            outcome = "skipped"
        elif case.get("status") == "run" and case.find("failure") is None:
            outcome = "passed"
        else:
            outcome = "failed"
        cases.append({"name": case.get("name"), "outcome": outcome,
                      "seconds": float(case.get("time") or 0), "output": output,
                      "skip_message": skipped.get("message") if skipped is not None else ""})
    return cases


def skip_reason(case):
    for line in case["output"].splitlines():
        if "SKIPPED" in line:
            return line.strip()
    return case["skip_message"]


def refused_by_wine(case):
    """Why Wine, not the program, failed the test; None when it did not."""
    if case["outcome"] != "failed" or TESTS_BEGUN in case["output"]:
        return None
    match = WINE_REFUSED.search(case["output"])
    return match.group(0) if match else None


def retries_so_far(log):
    path = os.path.join(log, "retries.log")
    if not os.path.exists(path):
        return 0
    with open(path, encoding="utf-8") as file:
        return sum(1 for _ in file)


def preset_environment(preset):
    with open(os.path.join(ROOT, "CMakePresets.json"), encoding="utf-8") as file:
        presets = json.load(file)["testPresets"]
    found = next((p for p in presets if p["name"] == preset), {})
    return {name: value.replace("${sourceDir}", ROOT)
            for name, value in found.get("environment", {}).items()}


def hold_wineserver(environment):
    """With KEYSTEAD_HOLD_WINESERVER=1, one Wine server for the whole ctest run of a preset,
    rather than one started and shut down around every test program, where a server starting
    while the last one stops may be what drops programs. Off by default: Wine's own services
    (services.exe, winedevice, plugplay, rpcss), started by the first suite, inherit its
    output pipe and live on with the held server, so ctest waited for that pipe to close until
    the suite's time-out. Returns the environment to stop the server with, or None."""
    prefix = environment.get("WINEPREFIX")
    if not prefix or os.environ.get("KEYSTEAD_HOLD_WINESERVER") != "1":
        return None
    env = dict(os.environ, **environment)
    loader = "/usr/lib/wine/wine" if env.get("WINEARCH") == "win32" else "/usr/lib/wine/wine64"
    # Never a pipe for their output: the server they leave running would hold it open.
    quiet = {"env": env, "stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}
    if subprocess.run([loader, "--version"], **quiet).returncode != 0:
        return None  # that Wine cannot start here; its suites report themselves skipped
    if not os.path.exists(os.path.join(prefix, "system.reg")):
        # Booted first: scripts/wine-run.sh waits for the server to end after a boot.
        os.makedirs(prefix, exist_ok=True)
        subprocess.run([loader, "wineboot", "-i"], **quiet)
        subprocess.run(["wineserver", "-w"], **quiet)
    subprocess.run(["wineserver", "-p"], **quiet)
    print(f"One Wine server for the whole run, in {prefix}", flush=True)
    return env


def ctest(log, preset, name, extra, log_path):
    junit = os.path.join(log, f"{name}.xml")
    if os.path.exists(junit):
        os.remove(junit)
    # The output of passing tests is kept whole: the skipped GoogleTest cases and the e2e
    # harness's count of refused starts come last in it.
    status = run_logged(["ctest", "--preset", preset, "--output-on-failure",
                         "--test-output-size-passed", "1048576", "--no-tests=error", "--output-junit", junit]
                        + extra, log_path)
    return status, junit_cases(junit)


def test(log, preset, extra):
    started = time.monotonic()
    log_path = os.path.join(log, f"test-{preset}.log")
    environment = preset_environment(preset)
    held = hold_wineserver(environment)
    try:
        status, cases = ctest(log, preset, f"test-{preset}", extra, log_path)
        retried = []
        for case in cases:
            reason = refused_by_wine(case)
            if reason is None:
                continue
            line = f"{preset} {case['name']}: Wine refused to start it ({reason})"
            if retries_so_far(log) >= MAX_RETRIES:
                print(f"NOT RETRIED (already {MAX_RETRIES} this run): {line}", flush=True)
                case["name"] += f" (Wine refused to start it, and no retry was left)"
                continue
            print(f"RETRY: {line}", flush=True)
            with open(os.path.join(log, "retries.log"), "a", encoding="utf-8") as file:
                file.write(line + "\n")
            again = ctest(log, preset, f"test-{preset}-retry-{case['name']}",
                          ["-R", "^" + re.escape(case["name"]) + "$"], log_path)[1]
            if again:
                case.update(again[0])
            retried.append(case["name"])
    finally:
        if held is not None:
            subprocess.run(["wineserver", "-k"], env=held, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)

    failed, skipped, passed = [], [], 0
    inner_skips, starts_refused = [], 0
    for case in cases:
        if case["outcome"] == "skipped":
            reason = skip_reason(case)
            if on_ci() and ALLOWED_ON_CI not in reason:
                failed.append(f"{case['name']} (skipped, which CI does not allow: {reason})")
            else:
                skipped.append(f"{case['name']}: {reason}")
        elif case["outcome"] == "failed":
            not_run = f" ({case['skip_message']})" if case["skip_message"] else ""
            failed.append(case["name"] + not_run)
        else:
            passed += 1
        inner_skips += [f"{case['name']}: {test}" for test in GTEST_SKIPPED.findall(case["output"])]
        starts_refused += sum(int(n) for n in STARTS_REFUSED.findall(case["output"]))
    # ctest failing with no test to show for it: a preset that would not configure or build.
    if not cases and status != 0:
        failed.append(f"ctest itself (exit status {status}, see {log_path})")
    record(log, {"stage": f"test {preset}", "ok": not failed,
                 "seconds": time.monotonic() - started, "log": log_path, "passed": passed,
                 "failed": failed, "skipped": skipped, "inner_skips": inner_skips,
                 "retried": retried, "starts_refused": starts_refused,
                 "times": [(case["name"], case["seconds"]) for case in cases]})
    return 0 if not failed else 1


def minutes(seconds):
    return f"{int(seconds) // 60}:{int(seconds) % 60:02d}"


def summary(log, started, budget):
    folder = os.path.join(log, "stages")
    stages = []
    for name in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
        with open(os.path.join(folder, name), encoding="utf-8") as file:
            stages.append(json.load(file))
    print("\n==== Summary " + "=" * 67)
    totals = {"passed": 0, "failed": 0, "skipped": 0}
    times = []
    for stage in stages:
        verdict = "ok" if stage["ok"] else "FAILED"
        line = f"{stage['stage']:<20} {verdict:<7} {minutes(stage['seconds']):>6}"
        if "passed" in stage:
            line += (f"  {stage['passed']} passed, {len(stage['failed'])} failed, "
                     f"{len(stage['skipped'])} skipped, {len(stage['retried'])} retried")
            if stage["starts_refused"]:
                line += f", {stage['starts_refused']} starts Wine refused"
            totals["passed"] += stage["passed"]
            totals["failed"] += len(stage["failed"])
            totals["skipped"] += len(stage["skipped"])
            times += [(seconds, f"{stage['stage'][5:]} {name}") for name, seconds in stage["times"]]
        elif not stage["ok"]:
            line += f"  see {stage['log']}"
            totals["failed"] += 1
        print(line)
        for name in stage.get("failed", []):
            print(f"    failed:  {name}")
        for name in stage.get("skipped", []):
            allowed = " (the one skip CI allows)" if ALLOWED_ON_CI in name else ""
            print(f"    skipped: {name}{allowed}")
        for name in stage.get("inner_skips", []):
            print(f"    skipped inside a passing suite: {name}")
        for name in stage.get("retried", []):
            print(f"    retried: {name}")

    print("\nThe ten slowest tests:")
    for seconds, name in sorted(times, reverse=True)[:10]:
        print(f"  {seconds:7.1f} s  {name}")

    problems = []
    retries_path = os.path.join(log, "retries.log")
    if os.path.exists(retries_path):
        with open(retries_path, encoding="utf-8") as file:
            retries = file.read().splitlines()
        print(f"\nSuites run again because Wine refused to start them ({len(retries)}):")
        for line in retries:
            print(f"  {line}")
        if len(retries) > MAX_RETRIES:
            problems.append(f"{len(retries)} retries, more than {MAX_RETRIES}")
    else:
        print("\nNo suite was run again.")
    if any(not stage["ok"] for stage in stages):
        problems.append("failed: " + ", ".join(s["stage"] for s in stages if not s["ok"]))
    elapsed = time.time() - started
    print(f"\nThe whole run took {minutes(elapsed)} (budget {minutes(budget)}).")
    if elapsed > budget:
        problems.append(f"the run took {minutes(elapsed)}, over its budget of {minutes(budget)}")
    if not stages:
        problems.append("no stage ran")
    # The plain closing line CI reads.
    print(f"\nTotal: {totals['passed']} passed, {totals['failed']} failed, "
          f"{totals['skipped']} skipped")
    if problems:
        print("RED: " + "; ".join(problems))
        return 1
    print("GREEN")
    return 0


def main(argv):
    command, log = argv[1], os.path.abspath(argv[2])
    os.makedirs(log, exist_ok=True)
    if command == "build":
        return build(log, argv[3])
    if command == "test":
        return test(log, argv[3], argv[4:])
    if command == "summary":
        return summary(log, float(argv[3]), float(argv[4]))
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
