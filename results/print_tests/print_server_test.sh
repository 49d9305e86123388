#!/bin/bash
# End to end through a real print server: starts a private CUPS scheduler on a
# local socket with its own configuration folder (the machine's own printers
# and scheduler are never touched), adds a cups-pdf printer as its default,
# prints the known results on it once through the default printer and once
# through the results viewer's "Print All", waits for each job to complete
# and checks the job: the document the scheduler received holds the printed
# text, and the PDF that the backend wrote has the laid-out number of pages,
# each of which renders with ink on it. Last, a printer that refuses jobs
# must make the program fail. Everything lives in one private folder under
# /tmp, except a configuration file of cups-pdf named after that folder in
# /etc/cups (the backend reads nowhere else); both are removed when the test
# ends, and the scheduler is stopped by its process id
# (private_scheduler.sh).
#
# usage: print_server_test.sh PATH/TO/voran_print_report
# Exit status 77 (skipped) when not run as root: the scheduler runs its
# backends as root, and cups-pdf refuses to run otherwise.
set -euo pipefail

report_program=$1

if [ "$(id -u)" -ne 0 ]; then
  echo "print_server_test: SKIPPED: needs root to run a private CUPS scheduler"
  exit 77
fi
for tool in cupsd lpadmin lpstat pdfinfo pdftotext pdftoppm convert; do
  command -v "$tool" >/dev/null || { echo "print_server_test: $tool is missing (scripts/setup installs it)"; exit 1; }
done
for file in /usr/lib/cups/backend/cups-pdf /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd; do
  [ -e "$file" ] || { echo "print_server_test: $file is missing (package printer-driver-cups-pdf)"; exit 1; }
done

root=$(mktemp -d /tmp/voran-cups.XXXXXX)
chmod 755 "$root"
pdf_conf=""
# shellcheck source=private_scheduler.sh
. "$(dirname "$0")/private_scheduler.sh"
finish() {
  status=$?
  private_scheduler_stop
  if [ "$status" -ne 0 ] && [ -f "$root/log/error_log" ]; then
    echo "--- scheduler log: errors and the jobs' progress ---"
    grep -E '^E |\[Job [0-9]+\] (Started|PID|Job|Backend|Printer|cups-pdf|.*(error|Error|failed))' "$root/log/error_log" | tail -n 40 || true
    cat "$root"/log/cups-pdf-*_log 2>/dev/null | tail -n 20 || true
  fi
  if [ -n "${VORAN_PRINT_KEEP:-}" ] && [ -f "$root/log/error_log" ]; then
    mkdir -p "$VORAN_PRINT_KEEP"
    cp "$root/log/error_log" "$VORAN_PRINT_KEEP/"
  fi
  rm -f "$pdf_conf"
  rm -rf "$root"
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

fail() {
  echo "print_server_test: FAILED: $*"
  exit 1
}

mkdir -p "$root/etc/ppd" "$root/spool" "$root/cache" "$root/state" "$root/tmp" "$root/log" \
  "$root/pdf" "$root/home"
chmod 1777 "$root/tmp"  # the filters run as an unprivileged user and keep files here
cat >"$root/etc/cupsd.conf" <<CONF
DefaultAuthType None
LogLevel debug
MaxLogSize 0
PreserveJobFiles Yes
Browsing Off
WebInterface No
<Location />
  Order allow,deny
  Allow from 127.0.0.1
</Location>
<Policy default>
  <Limit All>
    AuthType None
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$root/etc/cups-files.conf" <<CONF
ServerRoot $root/etc
RequestRoot $root/spool
CacheDir $root/cache
StateDir $root/state
TempDir $root/tmp
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
ServerBin $root/serverbin
DataDir /usr/share/cups
CONF

# cups-pdf reads its settings from a folder compiled into it (/etc/cups),
# from cups-pdf-NAME.conf there for the device URI cups-pdf:/NAME; its output
# folder cannot be set from a queue's PPD. The test therefore adds a
# configuration of its own, named after the private folder, which sends the
# output, spool and log into that folder, and removes it at the end.
pdf_setup=$(basename "$root" | tr -c 'A-Za-z0-9\n' '-')
pdf_conf=/etc/cups/cups-pdf-$pdf_setup.conf
cat >"$pdf_conf" <<CONF
Out $root/pdf
AnonDirName $root/pdf
Spool $root/cups-pdf-spool
Log $root/log
GSTmp $root/tmp
LogType 7
Grp lp
CONF

# A private copy of the cups-pdf backend, as of the scheduler: a security
# module that confines the installed programs by their path (AppArmor on
# Debian allows them their system folders only) would keep them out of the
# private folder. The other helpers are the installed ones, linked.
mkdir -p "$root/serverbin/backend"
for helper in /usr/lib/cups/*; do
  [ "$(basename "$helper")" = backend ] || ln -s "$helper" "$root/serverbin/"
done
for backend in /usr/lib/cups/backend/*; do
  [ "$(basename "$backend")" = cups-pdf ] || ln -s "$backend" "$root/serverbin/backend/"
done
cp -p /usr/lib/cups/backend/cups-pdf "$root/serverbin/backend/cups-pdf"

private_scheduler_start "$root" || fail "the scheduler did not start"

lpadmin -h "$server" -p voran_pdf -E -v "cups-pdf:/$pdf_setup" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>&1 | grep -v deprecated || true
lpadmin -h "$server" -d voran_pdf
lpstat -h "$server" -d | grep -q voran_pdf || fail "voran_pdf is not the scheduler's default"

export CUPS_SERVER=$server HOME=$root/home
unset PRINTER LPDEST

# Prints through the given mode of the report program, waits for the job to
# complete and checks the PDF the backend wrote.
print_and_check() {
  mode=$1
  rm -f "$root"/pdf/*.pdf
  "$report_program" "$mode" >"$root/printed.txt" || fail "$mode: the report program failed"
  pages=$(sed -n '1s/^pages //p' "$root/printed.txt")
  [ -n "$pages" ] && [ "$pages" -ge 2 ] || fail "$mode: expected a printout of two pages or more, got '$pages'"

  for _ in $(seq 1 600); do
    [ -z "$(lpstat -h "$server" -o voran_pdf 2>/dev/null)" ] && break
    lpstat -h "$server" -p voran_pdf 2>/dev/null | grep -q disabled && fail "$mode: the printer stopped"
    sleep 0.1
  done
  [ -z "$(lpstat -h "$server" -o voran_pdf)" ] || fail "$mode: the job did not complete in time"
  lpstat -h "$server" -W completed -o voran_pdf | grep -q . || fail "$mode: no completed job"

  pdf=""
  for _ in $(seq 1 100); do
    pdf=$(find "$root/pdf" -name '*.pdf' -size +0 | head -n 1)
    [ -n "$pdf" ] && break
    sleep 0.1
  done
  [ -n "$pdf" ] || fail "$mode: the backend wrote no PDF"
  if [ -n "${VORAN_PRINT_KEEP:-}" ]; then
    mkdir -p "$VORAN_PRINT_KEEP"
    cp "$pdf" "$VORAN_PRINT_KEEP/$mode.pdf"
  fi

  got=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
  [ "$got" = "$pages" ] || fail "$mode: the PDF has $got pages, the layout $pages"

  # The job's document, as the scheduler received it, holds the printed
  # lines (blanks squeezed). The backend's PDF went through PostScript and
  # lost its text encoding, so it is checked by its pages and rendering.
  job=$(lpstat -h "$server" -W completed -o voran_pdf | awk '{print $1}' | sed 's/.*-//' | sort -n | tail -n 1)
  document=$root/spool/$(printf 'd%05d-001' "$job")
  [ -f "$document" ] || fail "$mode: the scheduler kept no document for job $job"
  tail -n +2 "$root/printed.txt" | tr -s ' ' | sed 's/^ //; s/ $//' | grep -v '^$' >"$root/expected.txt"
  pdftotext -q -layout "$document" - | tr -d '\f' | tr -s ' ' | sed 's/^ //; s/ $//' | grep -v '^$' >"$root/actual.txt"
  diff "$root/expected.txt" "$root/actual.txt" >"$root/diff.txt" ||
    { head -n 20 "$root/diff.txt"; fail "$mode: the job's text differs from the printed text"; }
  document_pages=$(pdfinfo "$document" | sed -n 's/^Pages: *//p')
  [ "$document_pages" = "$pages" ] || fail "$mode: the job's document has $document_pages pages, the layout $pages"

  pdftoppm -q -r 40 -png "$pdf" "$root/page"
  rendered=$(find "$root" -maxdepth 1 -name 'page*.png' -size +0 | wc -l)
  [ "$rendered" = "$pages" ] || fail "$mode: pdftoppm rendered $rendered pages of $pages"
  for png in "$root"/page*.png; do
    ink=$(convert "$png" -colorspace Gray -format '%[fx:mean<0.999]' info:)
    [ "$ink" = 1 ] || fail "$mode: $(basename "$png") of the printout is blank"
  done
  rm -f "$root"/page*.png
  echo "print_server_test: $mode: one job of $pages pages printed, text and page count checked"
}

print_and_check direct
print_and_check viewer

# "Save as PDF..." on the same machine: the document numbers each of its
# pages in a footer and holds the printed text. The text is compared without
# blanks and line ends, since the document breaks the lines longer than the
# report's width.
"$report_program" pdf "$root/saved.pdf" >"$root/printed.txt" || fail "pdf: the report program failed"
saved_pages=$(pdfinfo "$root/saved.pdf" | sed -n 's/^Pages: *//p')
[ "$saved_pages" -ge 2 ] || fail "pdf: three reports on $saved_pages page(s)"
for page in $(seq 1 "$saved_pages"); do
  pdftotext -q -layout -f "$page" -l "$page" "$root/saved.pdf" - | grep -q "page $page of $saved_pages\$" ||
    fail "pdf: page $page has no footer 'page $page of $saved_pages'"
done
tail -n +2 "$root/printed.txt" | tr -d ' \n' >"$root/expected.txt"
pdftotext -q -layout "$root/saved.pdf" - | grep -v -E 'page [0-9]+ of [0-9]+$' | tr -d ' \n\f' >"$root/actual.txt"
cmp -s "$root/expected.txt" "$root/actual.txt" || fail "pdf: the saved PDF's text differs from the printed text"
echo "print_server_test: pdf: saved document of $saved_pages pages, footers and text checked"

# A printer that refuses jobs: the job cannot be handed over, and the program
# must say so rather than report success.
cupsreject -h "$server" voran_pdf
if "$report_program" direct >/dev/null 2>"$root/refused.txt"; then
  fail "a job refused by the printer was reported as printed"
fi
echo "print_server_test: refused job reported: $(tail -n 1 "$root/refused.txt")"
echo "print_server_test: passed"
