#!/usr/bin/env bash
# check-sample.sh <TallyburnReport> <work-dir>: the report of a sample week (sample_week.py) as the test
# command checks it: the exit status of a count with one break, the page well-formed to a real XML
# parser (xmllint) and self-contained, and each station's figures those the sample was made with.
set -euo pipefail
report=${1:?usage: check-sample.sh <TallyburnReport> <work-dir>}
work=${2:?usage: check-sample.sh <TallyburnReport> <work-dir>}
rm -rf "$work"
python3 "$(dirname "$0")/sample_week.py" "$work"
status=0
"$report" --csv --out "$work/report.html" "$work/logs" 2>"$work/stderr.txt" || status=$?
[[ $status == 2 ]] || { echo "exit status $status, not 2 (a break, nothing skipped):"; cat "$work/stderr.txt"; exit 1; }
xmllint --noout "$work/report.html"
if grep -Eo '<script|<img|<link|<iframe|src=|href=|url\(' "$work/report.html"; then
    echo "the page refers to something outside it"
    exit 1
fi
grep -q 'The count has 1 break' "$work/report.html"
# station, passed, failed, retries, J-Flash not found, post refused, count breaks
diff <(tr -d '\r' <"$work/report.csv" | awk -F, 'NR > 1 && $1 != "Total" { print $1 "," $2 "," $3 "," $5 "," $6 "," $7 "," $13 }') \
    "$work/expected.csv"
echo "check-sample: $work/report.html well-formed, self-contained, figures as made"
