#!/usr/bin/env bash
# Prepares a local CUPS for the print tests. Run as root after tools/setup.sh; safe to run again.
#
#  - starts cupsd when no scheduler answers (there may be no systemd) and waits until it does;
#  - makes cups-pdf write every job to one fixed folder the tests read (OUT_DIR below);
#  - adds the queue "zavolin-pdf" (cups-pdf, A4 without unprintable edges) as the default;
#  - adds the queue "zavolin-margins": cups-pdf with an A4 imageable area that leaves
#      left 12 mm, top 15 mm, right 7 mm, bottom 9 mm unprintable,
#    so the page geometry meets a printer with distinct edges on every side;
#  - adds the queue "zavolin-rejecting", which refuses every job;
#  - adds the queue "zavolin-duplex": cups-pdf with a standard Duplex option in its PPD, so CUPS
#    offers two-sided printing (sides-supported two-sided-long-edge) while cups-pdf still just
#    writes the PDF;
#  - adds the queue "zavolin-paused", stopped (cupsdisable) with a reason but accepting jobs,
#    and empties it of jobs left over.
#
# The tests know these names and numbers (tests/support/PrintedPdf.h); change both together.
set -euo pipefail
export LC_ALL=C

OUT_DIR=/var/spool/cups-pdf/zavolin
QUEUES=(zavolin-pdf zavolin-margins zavolin-rejecting zavolin-duplex zavolin-paused)
CONF=/etc/cups/cups-pdf.conf

say() { echo "zavolin cups-setup: $*"; }
die() { echo "zavolin cups-setup: $*" >&2; exit 1; }

scheduler_up() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }
# lpstat fails when any one of them is missing; it takes one queue per -p.
queues_listed() {
  local args=() queue
  for queue in "${QUEUES[@]}"; do args+=(-p "$queue"); done
  lpstat "${args[@]}" >/dev/null 2>&1
}

if [ "$(id -u)" -ne 0 ]; then
  # Without root nothing can be set up; the print tests then skip (no scheduler) or say what
  # is missing. Do not stop the other tests.
  if scheduler_up && queues_listed; then
    exit 0
  fi
  echo "zavolin cups-setup: the test printers need root to set up: sudo $0" >&2
  exit 0
fi
command -v cupsd >/dev/null || die "cupsd is missing; run tools/setup.sh first."
command -v lpadmin >/dev/null || die "lpadmin is missing; run tools/setup.sh first."
[ -f "$CONF" ] || die "$CONF is missing; is printer-driver-cups-pdf installed?"

# --- cups-pdf: one fixed output folder, jobs labelled with their id ("job_<id>-<title>.pdf") ---
# Set a key to a value: replace its active line, or append one (commented defaults stay).
set_key() {
  local key=$1 value=$2
  if grep -qE "^[[:space:]]*${key}[[:space:]]" "$CONF"; then
    sed -i -E "s|^[[:space:]]*${key}[[:space:]].*$|${key} ${value}|" "$CONF"
  else
    printf '%s %s\n' "$key" "$value" >>"$CONF"
  fi
}
set_key Out "$OUT_DIR"
# Root's jobs and jobs of unknown users count as anonymous: same folder.
set_key AnonDirName "$OUT_DIR"
set_key Label 1
# The title given with the job names the file, so every test can pick its own.
set_key TitlePref 1
# Readable by the tests whichever user printed.
set_key UserUMask 0022
set_key AnonUMask 0022
mkdir -p "$OUT_DIR"
# Every user's jobs land here; the sticky bit keeps them from removing each other's files.
chmod 1777 "$OUT_DIR"

# --- the scheduler ---
if ! scheduler_up; then
  say "starting cupsd"
  cupsd || die "cupsd did not start (see /var/log/cups/error_log)."
fi
for _ in $(seq 300); do
  scheduler_up && break
  sleep 0.1
done
scheduler_up || die "cupsd does not answer after 30 s (see /var/log/cups/error_log)."

# --- the PPDs ---
PPD=""
for candidate in /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd /usr/share/ppd/cups-pdf/CUPS-PDF.ppd \
                 /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd; do
  if [ -f "$candidate" ]; then PPD=$candidate; break; fi
done
[ -n "$PPD" ] || die "no CUPS-PDF PPD found under /usr/share/ppd/cups-pdf."

# A4 is 595 x 842 pt in this PPD. ImageableArea is "llx lly urx ury" in points from the lower
# left corner: left 12 mm, bottom 9 mm, right 7 mm, top 15 mm (1 mm = 72 / 25.4 pt).
MARGINS_AREA=$(awk 'BEGIN { p = 72 / 25.4;
  printf "%.4f %.4f %.4f %.4f", 12 * p, 9 * p, 595 - 7 * p, 842 - 15 * p }')
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sed -E "s|^\*ImageableArea A4/A4: \".*\"|*ImageableArea A4/A4: \"${MARGINS_AREA}\"|" "$PPD" \
  | sed -E 's|^\*NickName: .*|*NickName: "Zavolin test printer with unprintable margins"|' \
  >"$work/zavolin-margins.ppd"
grep -q "^\*ImageableArea A4/A4: \"${MARGINS_AREA}\"" "$work/zavolin-margins.ppd" \
  || die "could not set the A4 imageable area in the copy of $PPD."

# The same printer with the standard Duplex option, added to the General group: CUPS maps it to
# sides-supported. cups-pdf ignores it and writes the pages as they come.
awk '
  /^\*CloseGroup: General/ && !done {
    print "*OpenUI *Duplex/2-Sided Printing: PickOne"
    print "*OrderDependency: 120 AnySetup *Duplex"
    print "*DefaultDuplex: None"
    print "*Duplex None/Off: \"<</Duplex false>>setpagedevice\""
    print "*Duplex DuplexNoTumble/Long Edge: \"<</Duplex true/Tumble false>>setpagedevice\""
    print "*Duplex DuplexTumble/Short Edge: \"<</Duplex true/Tumble true>>setpagedevice\""
    print "*CloseUI: *Duplex"
    print ""
    done = 1
  }
  { print }
' "$PPD" | sed -E 's|^\*NickName: .*|*NickName: "Zavolin test printer with two-sided printing"|' \
  >"$work/zavolin-duplex.ppd"
grep -q '^\*OpenUI \*Duplex/' "$work/zavolin-duplex.ppd" \
  || die "could not add the Duplex option to the copy of $PPD."

# --- the queues (lpadmin replaces an existing queue's settings, so this is idempotent) ---
# lpadmin warns that PPD drivers are deprecated; the warning is expected.
add_queue() {
  local name=$1 ppd=$2 info=$3
  # pdftocairo turns the job into PostScript keeping each font's text mapping, so the text in
  # cups-pdf's PDF can still be read back (Ghostscript, the default, makes Type 3 fonts of it).
  lpadmin -p "$name" -E -v cups-pdf:/ -P "$ppd" -D "$info" -o printer-error-policy=abort-job \
    -o pdftops-renderer-default=pdftocairo \
    2> >(grep -v -i 'deprecated' >&2) || die "lpadmin could not set up the queue $name."
  cupsenable "$name"
  cupsaccept "$name"
}
add_queue zavolin-pdf "$PPD" "Zavolin test printer (PDF, no margins)"
add_queue zavolin-margins "$work/zavolin-margins.ppd" "Zavolin test printer (PDF, 12/15/7/9 mm margins)"
# A queue that refuses every job, to show a refused print job is reported, not lost.
add_queue zavolin-rejecting "$PPD" "Zavolin test printer that refuses jobs"
cupsreject -r "Zavolin test queue: refuses every job" zavolin-rejecting
add_queue zavolin-duplex "$work/zavolin-duplex.ppd" "Zavolin test printer (PDF, two-sided)"
# A stopped queue that still takes jobs: they would wait there, so a job must not be sent.
# Jobs a failed run left there go, so the queue starts empty.
add_queue zavolin-paused "$PPD" "Zavolin test printer that is paused"
cupsdisable -r "Zavolin test queue: paused" zavolin-paused
cancel -a zavolin-paused 2>/dev/null || true
lpadmin -d zavolin-pdf || die "could not make zavolin-pdf the default printer."

queues_listed || die "the queues are not listed by lpstat."
say "default printer zavolin-pdf; zavolin-margins (A4 margins L12 T15 R7 B9 mm); zavolin-rejecting;"
say "zavolin-duplex (two-sided); zavolin-paused (stopped, accepting)"
say "cups-pdf output directory: $OUT_DIR"
