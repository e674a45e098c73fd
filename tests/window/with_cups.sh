#!/bin/bash
# Runs a command with a private CUPS scheduler whose default printer writes
# each job to a PDF file through the generic PDF driver. The command sees
# CUPS_SERVER (the scheduler's socket) and KVADRIX_PRINT_PDF (the job file).
# The scheduler and its directory are removed when the command ends.
set -u
R=$(mktemp -d /tmp/kvadrix-cups.XXXXXX) || exit 1
cupsd_pid=
cleanup() {
  if [ -n "$cupsd_pid" ]; then kill "$cupsd_pid" 2>/dev/null; wait "$cupsd_pid" 2>/dev/null; fi
  rm -rf "$R"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$R"/{spool,cache,state,tmp,out,home}
chmod 755 "$R"; chmod 1777 "$R/out"
printf '%s\n' "Listen $R/cups.sock" 'LogLevel warn' 'WebInterface No' 'Browsing No' \
  '<Location />' '  Order allow,deny' '  Allow localhost' '</Location>' \
  '<Policy default>' '  <Limit All>' '    Order deny,allow' '  </Limit>' '</Policy>' >"$R/cupsd.conf"
printf '%s\n' "ServerRoot $R" "RequestRoot $R/spool" "CacheDir $R/cache" "StateDir $R/state" \
  "TempDir $R/tmp" "ErrorLog $R/error_log" "AccessLog $R/access_log" "PageLog $R/page_log" \
  'FileDevice Yes' 'SystemGroup root lpadmin' >"$R/cups-files.conf"

/usr/sbin/cupsd -f -c "$R/cupsd.conf" -s "$R/cups-files.conf" </dev/null >"$R/cupsd.out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER=$R/cups.sock
# No personal printer settings may choose another default.
export HOME=$R/home
unset LPDEST PRINTER

up=
for _ in $(seq 100); do
  if lpstat -r 2>/dev/null | grep -q 'scheduler is running'; then up=1; break; fi
  sleep 0.1
done
if [ -z "$up" ]; then
  echo "with_cups.sh: cupsd did not start" >&2
  cat "$R/error_log" >&2 2>/dev/null
  exit 1
fi
lpadmin -p KVADRIX_PDF -E -v "file://$R/out/job.pdf" -m lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd || exit 1
lpadmin -d KVADRIX_PDF || exit 1

export KVADRIX_PRINT_PDF=$R/out/job.pdf
"$@"
status=$?
if [ $status -ne 0 ]; then cat "$R/error_log" >&2 2>/dev/null; fi
exit $status
