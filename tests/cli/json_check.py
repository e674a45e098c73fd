#!/usr/bin/env python3
"""kvadrix-cli --json parsed back: one object per computation on its own line,
strict UTF-8, with the fields, log, error boxes and exit status; a batch with
bad lines (an unterminated quote, an unknown name, a 100 kB line, binary bytes)
answers every line."""
import json
import subprocess
import sys

CLI = sys.argv[1]
failures = []


def run(args, stdin=b""):
    p = subprocess.run([CLI] + args, input=stdin, capture_output=True, timeout=60)
    objects = [json.loads(line.decode("utf-8")) for line in p.stdout.splitlines()]
    return objects, p.returncode, p.stderr


def check(what, condition):
    if not condition:
        failures.append(what)


def texts(fields):
    return {f["field"]: f["text"] for f in fields}


[o], rc, err = run(["--json", "--log", "value", "x^2", "3"])
check("value: status", rc == 0 and o["status"] == 0 and err == b"")
check("value: inputs", texts(o["inputs"]) == {"f_x_Edit": "x^2", "x0Edit": "3"})
check("value: outputs", o["outputs"] == [{"field": "f_x0_Edit", "caption": "f(x0)", "text": "9.0000"}])
check("value: log asked for", isinstance(o["log"], list) and o["command"] == ["value", "x^2", "3"])

[o], rc, _ = run(["--json", "value", "x^2", "3"])
check("no log without --log", "log" not in o)

[o], rc, _ = run(["--json", "value", "\u00e6", "1"])
check("error box converted from Windows-1252", rc == 1 and o["errors"] == ["Fejl i funktionsudtryk: \n\u00e6 \u2014 tegnet \"\u00e6\" kan ikke bruges i et udtryk"])

[o], rc, _ = run(["--json", "--log", "regression", "(0,1); (1,2); (2,5)", "--degree", "3"])
check("refusal: the tab's log line",
      "Polynomiumsgrad og Antal Regressions Punkter skal v\u00e6lges" in o["log"] and "problem" not in o)

[o], rc, _ = run(["--json", "value", "x"])
check("malformed: problem and usage", rc == 2 and o["status"] == 2 and o["problem"] and o["usage"])

long_line = b"value '" + b"x+" * 50000 + b"x' 1"
batch = b"\n".join([
    b"# kommentar",
    b"value 'x^2' 2",
    b"value 'x^2",
    b"nosuch 1",
    long_line,
    b"value '\xff\x00\x81\xc3' 1",
    b"\x00\x01\xfe\xed\xa0\x80",
    b"",
    b"--log diff 'x^3' 1",
]) + b"\n"
objs, rc, err = run(["--json", "batch", "-"], batch)
check("batch: one object per command line", [o["lineNumber"] for o in objs] == [2, 3, 4, 5, 6, 7, 9])
check("batch: exit status 2", rc == 2 and err == b"")
check("batch: statuses", [o["status"] for o in objs] == [0, 2, 2, 1, 1, 2, 0])
check("batch: good line", texts(objs[0]["outputs"]) == {"f_x0_Edit": "4.0000"})
check("batch: long line refused whole", "er for lang" in objs[3]["errors"][0] and objs[3]["outputs"] == [])
check("batch: line quoted as valid UTF-8", objs[5]["line"] == "\x00\x01\ufffd\ufffd\ufffd\ufffd")
check("batch: the line's own --log", "log" in objs[6] and texts(objs[6]["outputs"])["df_dx_Edit"] == "3*x^2")
check("batch: the others have no log", "log" not in objs[0])

# A line longer than a batch keeps is refused, and the next line still runs.
objs, rc, _ = run(["--json", "batch", "-"], b"value '" + b"x" * (2 << 20) + b"' 1\nvalue x 2\n")
check("batch: a 2 MB line refused", [o["status"] for o in objs] == [2, 0] and "byte" in objs[0]["problem"])
check("batch: the long line quoted shortly", len(objs[0]["line"]) <= 1000)

if failures:
    print("FAIL:", *failures, sep="\n  ")
    sys.exit(1)
print("1 passed, 0 failed")
