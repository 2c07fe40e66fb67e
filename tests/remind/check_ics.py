#!/usr/bin/env python3
"""tavelon-cal ics read back by an iCalendar library, its events checked against the program's
other commands: the festivals and holidays that `month --json` gives, the days that `remind`
gives, the solar terms at the moments that `moments` gives (in UTC; all-day where `moments`
gives the day alone).
Usage: check_ics.py TAVELON_CAL; exits 1 on the first difference."""
import datetime
import json
import os
import subprocess
import sys
import tempfile

import icalendar

REMINDERS = ("农历03-15\t妈妈生日\t提前3天\r\n农历闰04-15\t外婆生日\r\n公历02-29\t闰日\r\n"
             "2027-01-15\t体检, 空腹; 带\\证件\r\n公历01-01\t" + "长" * 40 + "\r\n坏行\r\n")
HOLIDAYS = "2027-01-01\t休\t元旦\n2027-02-06\t休\t春节\n2027-02-07\t班\t春节\n"
YEARS = (2026, 2027)


def run(*args):
    return subprocess.run([sys.argv[1], *args], check=True, capture_output=True).stdout


def expected_days(reminders, holidays):
    festivals, days_off = {}, {}
    for year in YEARS:
        for month in range(1, 13):
            for line in run("month", str(year), str(month), "--json", "--file", holidays).decode().splitlines():
                day = json.loads(line)
                date = datetime.date.fromisoformat(day["date"])
                if day["festivals"]:
                    festivals[date] = day["festivals"]
                if day["holiday"]:
                    days_off[date] = day["holiday"]
    reminded = []
    for year in YEARS:
        for line in run("remind", str(year), "--file", reminders).decode().splitlines():
            date, name, _ = line.split("\t")
            reminded.append((datetime.date.fromisoformat(date), name))
    return festivals, days_off, sorted(reminded)


BEIJING = datetime.timezone(datetime.timedelta(hours=8))


def expected_terms(*years):
    """(summary, Beijing datetime or date) of every term of the years, as `moments` gives them."""
    terms = []
    for year in years:
        for line in run("moments", str(year)).decode().splitlines():
            _, name, when = line.split("\t")
            if " " in when:
                moment = datetime.datetime.fromisoformat(when).replace(tzinfo=BEIJING)
            else:
                moment = datetime.date.fromisoformat(when)
            terms.append((name, moment))
    return sorted(terms, key=str)


def got_terms(events):
    """The same of the term events: a timed one must be in UTC, an all-day one last a day."""
    terms = []
    for e in events:
        start = e["DTSTART"].dt
        if isinstance(start, datetime.datetime):
            check(start.utcoffset() == datetime.timedelta(0) and e["DTSTART"].to_ical().endswith(b"Z"),
                  "a term's moment is given in UTC")
            check("DTEND" not in e and "DURATION" not in e, "a term's moment is an instant")
            start = start.astimezone(BEIJING)
            check(str(e["DESCRIPTION"]) == "北京时间 " + start.strftime("%Y-%m-%d %H:%M:%S"),
                  "a term's description gives its Beijing time")
        else:
            check(e["DTEND"].dt - start == datetime.timedelta(days=1), "an all-day term lasts a day")
        terms.append((str(e["SUMMARY"]), start))
    return sorted(terms, key=str)


def check(condition, what):
    if not condition:
        print("check_ics:", what, file=sys.stderr)
        sys.exit(1)


def main():
    with tempfile.TemporaryDirectory() as folder:
        reminders = os.path.join(folder, "reminders.txt")
        holidays = os.path.join(folder, "holidays.txt")
        with open(reminders, "w", encoding="utf-8", newline="") as f:
            f.write(REMINDERS)
        with open(holidays, "w", encoding="utf-8", newline="") as f:
            f.write(HOLIDAYS)
        raw = run("ics", str(YEARS[0]), str(YEARS[-1]), "--reminders", reminders, "--holidays", holidays)
        festivals, days_off, reminded = expected_days(reminders, holidays)
        only = run("ics", "2026", "2026", "--reminders", reminders, "--no-festivals", "--no-terms",
                   "--no-holidays")
        # 1923 holds a term whose moment falls seconds before the midnight of its day (雨水).
        terms_only = run("ics", "1923", "1923", "--reminders", reminders, "--no-festivals",
                         "--no-holidays")

    lines = raw.split(b"\r\n")
    check(lines[-1] == b"" and b"\n" not in raw.replace(b"\r\n", b""), "every line ends in CR LF")
    for line in lines:
        check(len(line) <= 75, f"a line of {len(line)} octets")
        line.decode("utf-8")  # a fold never splits a character

    calendar = icalendar.Calendar.from_ical(raw)
    events = calendar.walk("VEVENT")
    check(len({str(e["UID"]) for e in events}) == len(events), "every UID differs")
    check(len({e["DTSTAMP"].to_ical() for e in events}) == 1, "one DTSTAMP")
    by_kind = {}
    for e in events:
        by_kind.setdefault(str(e["UID"]).split("-")[0], []).append(e)
    day = lambda e: e["DTSTART"].dt
    got_festivals = {day(e): str(e["SUMMARY"]) for e in by_kind["festival"]}
    check(got_festivals == festivals, "the festivals of month --json")
    got_holidays = {day(e): str(e["SUMMARY"]) for e in by_kind["holiday"]}
    check(got_holidays == days_off, "the holidays of month --json")
    check(got_holidays[datetime.date(2027, 2, 7)] == "班 春节", "a make-up day reads 班 春节")
    check(len(by_kind["term"]) == 24 * len(YEARS), "24 solar terms a year")
    check(got_terms(by_kind["term"]) == expected_terms(*YEARS), "the solar terms at their moments")
    old_terms = [e for e in icalendar.Calendar.from_ical(terms_only).walk("VEVENT")
                 if str(e["UID"]).startswith("term-")]
    check(got_terms(old_terms) == expected_terms(1923), "the terms of 1923")
    check(sum(not isinstance(e["DTSTART"].dt, datetime.datetime) for e in old_terms) == 1,
          "only 雨水 1923 is all-day")
    got_reminded = sorted((day(e), str(e["SUMMARY"])) for e in by_kind["reminder"])
    check(got_reminded == reminded, "the days of remind")
    check(("2027-01-15", "体检, 空腹; 带\\证件") in [(str(d), n) for d, n in got_reminded], "escaped text")
    for e in by_kind["reminder"]:
        alarms = e.walk("VALARM")
        if str(e["SUMMARY"]) == "妈妈生日":
            check(len(alarms) == 1 and alarms[0]["TRIGGER"].dt == datetime.timedelta(days=-3),
                  "提前3天 is an alarm three days before")
        else:
            check(not alarms, "no alarm without 提前N天")
        check(e["DTEND"].dt - e["DTSTART"].dt == datetime.timedelta(days=1), "all-day events")

    kinds = {str(e["UID"]).split("-")[0] for e in icalendar.Calendar.from_ical(only).walk("VEVENT")}
    check(kinds == {"reminder"}, "--no-festivals --no-terms --no-holidays leave the reminders")
    print(f"check_ics: ok ({len(events)} events)")


if __name__ == "__main__":
    main()
