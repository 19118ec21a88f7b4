#!/usr/bin/env python3
"""Writes the production logs of a sample week of three stations, as Tallyburn writes them, into a folder.

    sample_week.py FOLDER      (the logs go to FOLDER/logs)

Line1 and Line2 work in Central Europe, where daylight-saving time ends on Sunday 2026-10-25 at 03:00
(+02:00 becomes +01:00); Line3 works at +08:00 and ran an older release until Wednesday, whose causes end
in the button's " OK". The week has retries, clears, attempts without J-Flash, a period in which Line2's
log could not be written, a file of lines left at closing that Line1's log has merged (and that still
lies beside it), one that Line2's log has not merged yet, and a settings file restored from a backup on
Line3 (a break in the count). FOLDER/expected.csv holds the figures per station that the report must give.
"""
import csv
import os
import random
import sys
from datetime import datetime, timedelta, timezone

DST_END = datetime(2026, 10, 25, 1, 0, tzinfo=timezone.utc)
CAUSES = [("Failed to connect to target.", 30), ("Target voltage too low.", 12),
          ("Verification failed @ address 0x08004000.", 9), ("no result", 4), ("emulator selection", 3),
          ("Failed to erase sectors.", 3), ("The connected device does not match the device selected in the project.", 2),
          ("J-Flash closed", 1)]
RETRY = "RAM check failed @ address 0x20000000. Write: 0xAA55AA55, Read: 0x00000000"


def europe(utc):
    return timedelta(hours=2 if utc < DST_END else 1)


def asia(_):
    return timedelta(hours=8)


class Station:
    def __init__(self, name, zone, fail_rate, seed):
        self.name, self.zone, self.fail_rate = name, zone, fail_rate
        self.random = random.Random(seed)
        self.count, self.lines, self.old_release = 0, [], False
        self.figures = dict(passed=0, failed=0, retries=0, not_found=0, refused=0, breaks=0)

    def line(self, utc, event, seconds="", erase="", cause=""):
        local = (utc + self.zone(utc)).replace(tzinfo=timezone(self.zone(utc)))
        stamp = local.isoformat(timespec="seconds")
        self.lines.append([stamp, event, str(self.count), seconds, erase, cause])

    def shift(self, start, end, erase="0", clear=False, refused=False):
        """One shift from start to end (UTC): Tallyburn started, boards programmed, Tallyburn closed."""
        self.line(start, "start", cause="Tallyburn 2.0.0" if self.old_release else "Tallyburn 2.1.0")
        t = start + timedelta(seconds=self.random.randint(60, 300))
        if clear:  # a new batch
            was, self.count = self.count, 0
            self.line(t, "clear", cause=f"was {was}")
        if self.random.random() < 0.3:  # Run before J-Flash was started
            self.line(t, "fail", "0.0", erase, "J-Flash not found")
            self.figures["not_found"] += 1
            t += timedelta(seconds=90)
        if refused:  # J-Flash started as administrator, Tallyburn not: refused until both were restarted
            self.line(t, "fail", "0.0", erase, "post refused")
            self.figures["refused"] += 1
            t += timedelta(minutes=4)
        while t < end:
            seconds = max(9.0, self.random.gauss(22.5 if erase == "1" else 14.2, 0.8))
            if self.random.random() < 0.004:
                self.line(t + timedelta(seconds=seconds / 2), "retry", f"{seconds / 2:.1f}", erase, RETRY)
                self.figures["retries"] += 1
            t += timedelta(seconds=seconds)
            if self.random.random() < self.fail_rate:
                cause = self.random.choices([c for c, _ in CAUSES], [w for _, w in CAUSES])[0]
                if self.old_release and cause[0].isupper():
                    cause += " OK"
                self.line(t, "fail", f"{seconds:.1f}", erase, cause)
                self.figures["failed"] += 1
            else:
                self.count += 1
                self.line(t, "pass", f"{seconds:.1f}", erase)
                self.figures["passed"] += 1
            t += timedelta(seconds=self.random.uniform(28, 70))
            if self.random.random() < 0.002:  # a break of the line
                t += timedelta(minutes=self.random.randint(10, 40))
        self.line(min(t, end + timedelta(minutes=5)), "stop")

    def write(self, folder, lines, name=None):
        with open(os.path.join(folder, name or self.name + ".csv"), "w", newline="", encoding="cp1252") as out:
            writer = csv.writer(out, lineterminator="\r\n")
            writer.writerow(["time", "event", "count", "seconds", "erase", "cause"])
            writer.writerows(lines)


def utc(day, hour, minute=0, zone=europe):
    local = datetime(2026, 10, day, hour, minute)
    return (local - zone(local.replace(tzinfo=timezone.utc) - timedelta(hours=2))).replace(tzinfo=timezone.utc)


def main(root):
    folder = os.path.join(root, "logs")
    os.makedirs(folder, exist_ok=True)
    line1, line2, line3 = Station("Line1", europe, 0.021, 1), Station("Line2", europe, 0.034, 2), Station("Line3", asia, 0.028, 3)
    line1.count, line2.count, line3.count = 5412, 1870, 12250
    line3.old_release = True

    for day in range(19, 24):  # Monday to Friday, two shifts; a new batch on Monday and Thursday
        erase = "1" if day == 22 else "0"
        for begin, end in ((6, 14), (14, 22)):
            line1.shift(utc(day, begin, 2), utc(day, end), erase, clear=begin == 6 and day in (19, 22))
        if day == 20:  # Tuesday's last two lines waited at closing, went beside the log, merged on Wednesday
            left = line1.lines[-2:]
            name = "Line1-" + left[-1][0][:19].replace("-", "").replace(":", "").replace("T", "-") + ".csv"
            line1.write(folder, left, name)
            line1.line(utc(21, 6, 1), "note", cause=f"merged 2 lines from {name}")
    line1.write(folder, line1.lines)

    for day in range(19, 25):  # Monday to Saturday, with Sunday morning after the change of time
        line2.shift(utc(day, 6, 5), utc(day, 14), refused=day == 22)
        if day == 21:  # a spreadsheet held the log for 14 minutes: the lines waited and went in with a note
            line2.line(utc(21, 14, 14), "note", cause="log unavailable for 842 s, 17 lines waited")
    line2.shift(utc(25, 6, 5), utc(25, 10))
    line2.write(folder, line2.lines[:-1])
    stamp = line2.lines[-1][0][:19].replace("-", "").replace(":", "").replace("T", "-")
    line2.write(folder, line2.lines[-1:], f"Line2-{stamp}.csv")  # the stop line, not merged yet

    for day in range(19, 25):
        line3.shift(utc(day, 8, 0, asia), utc(day, 20, 0, asia))
        if day == 20:
            line3.old_release = False
        if day == 21:  # the settings file was restored from Monday's backup
            line3.count = 12250 + 150
            line3.figures["breaks"] += 1
    line3.write(folder, line3.lines)

    with open(os.path.join(root, "expected.csv"), "w", newline="") as out:
        writer = csv.writer(out, lineterminator="\n")
        for station in (line1, line2, line3):
            f = station.figures
            writer.writerow([station.name, f["passed"], f["failed"], f["retries"], f["not_found"], f["refused"], f["breaks"]])


if __name__ == "__main__":
    main(sys.argv[1])
