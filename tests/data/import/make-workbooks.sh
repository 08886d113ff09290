#!/bin/sh
# Regenerates the workbook fixtures of the import tests (cues.xlsx, cues.ods,
# cues.xls in each case folder) with a real spreadsheet program: LibreOffice,
# headless, converting each folder's CSV source. Only needed after changing
# a source; the generated workbooks are committed.
#
#   mapped/  header row, numeric and text times, decimal commas, empty cells,
#            dates, an empty row ending the data (German number format)
#   fixed/   the fixed layout: nine heading rows, data from row 10
#   long/    3200 cues (source generated here): a full show, and the timing
set -eu
cd "$(dirname "$0")"

profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT

# CSV import options: separator, text quote, UTF-8, from line 1, default
# column types, language, quoted fields stay text, detect times and dates.
german="59,34,76,1,,1031,true,true"
english="44,34,76,1,,1033,true,true"

# convert SOURCE.csv FOLDER OPTIONS: FOLDER/cues.{xlsx,ods,xls}
convert() {
    mkdir -p "$profile/source"
    cp "$1" "$profile/source/cues.csv"
    for target in "xlsx:Calc MS Excel 2007 XML" "ods:calc8" "xls:MS Excel 97"; do
        soffice "-env:UserInstallation=file://$profile/user" --headless --infilter="CSV:$3" \
            --convert-to "$target" --outdir "$2" "$profile/source/cues.csv"
    done
}

# Cue i fires at i * 0.37 s on slave (i - 1) / 16 + 1, channel (i - 1) % 16 + 1.
awk 'BEGIN {
    print "Time,Effect,Slave,Channel,Security"
    for (i = 1; i <= 3200; i++) {
        ms = i * 370
        printf "%d:%02d:%02d.%02d,Cue %d,%d,%d,%d\n", ms / 3600000, ms / 60000 % 60,
            ms / 1000 % 60, ms % 1000 / 10, i, int((i - 1) / 16) + 1, (i - 1) % 16 + 1, i % 11
    }
}' > "$profile/long.csv"

convert mapped/cues.csv mapped "$german"
convert fixed/cues.csv fixed "$german"
convert "$profile/long.csv" long "$english"
