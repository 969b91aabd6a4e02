#!/bin/sh
# cli-manpage.sh CLI VERSION OUTPUT
# Writes the manual page of vexa-modulant-cli in roff, made from the
# program's own help: the overview gives the synopsis, the description, the
# options and the exit status, "help COMMAND" the section of each command.
# Nothing the help says is written here by hand, so the page follows every
# command, option and table the program gains.
set -eu
cli=$1 version=$2 out=$3

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$cli" --lang en --help > "$tmp/overview"
files=$tmp/overview
# Command rows: two spaces, a lower-case name, two spaces. "help" has no help
# of its own.
for command in $(sed -n 's/^  \([a-z][a-z0-9-]*\)  .*/\1/p' "$tmp/overview"); do
    [ "$command" = help ] && continue
    "$cli" --lang en help "$command" > "$tmp/command.$command"
    files="$files $tmp/command.$command"
done

# The help's layout: "Usage:" with continuation lines indented by four,
# paragraphs separated by blank lines, and sections ("Options:") of rows
# indented by two whose wrapped descriptions are indented further.
# shellcheck disable=SC2086
awk -v version="$version" '
function roff(s) {
    gsub(/\\/, "\\e", s)
    gsub(/-/, "\\-", s)
    if (s ~ /^[.\047]/) s = "\\&" s
    return s
}
function trim(s) { sub(/^ +/, "", s); sub(/ +$/, "", s); return s }
function block(type, text) { n[f]++; kind[f, n[f]] = type; text_[f, n[f]] = text }
FNR == 1 { f++; mode = "" }
/^$/ { mode = ""; next }
/^Usage: / { block("usage", substr($0, 8)); mode = "usage"; next }
mode == "usage" && /^    / { text_[f, n[f]] = text_[f, n[f]] " " trim($0); next }
/^[^ ].*:$/ { block("section", substr($0, 1, length($0) - 1)); rows[f, n[f]] = 0; mode = "rows"; next }
mode == "rows" && /^  [^ ]/ {
    line = substr($0, 3); split_at = index(line, "  ")
    r = ++rows[f, n[f]]
    left[f, n[f], r] = substr(line, 1, split_at - 1)
    right[f, n[f], r] = trim(substr(line, split_at))
    next
}
mode == "rows" && /^   / { right[f, n[f], rows[f, n[f]]] = right[f, n[f], rows[f, n[f]]] " " trim($0); next }
# A line that starts with "Word:" opens a paragraph of its own even without
# a blank line before it ("Tables: ...", then "Images: ...").
mode == "para" && !/^[A-Z][A-Za-z ]*: / { text_[f, n[f]] = text_[f, n[f]] " " $0; next }
{ block("para", $0); mode = "para" }

function option(g, k, r,    words, count, i, head, w) {
    count = split(left[g, k, r], words, " ")
    head = ""
    for (i = 1; i <= count; i++) {
        w = words[i]
        if (w ~ /^-/) {
            sub(/,$/, "", w)
            head = head (head == "" ? "" : ", ") "\\fB" roff(w) "\\fR"
        } else {
            head = head " \\fI" roff(w) "\\fR"
        }
    }
    print ".TP"
    print head
    print roff(right[g, k, r])
}
function rows_of(g, k,    r) {
    for (r = 1; r <= rows[g, k]; r++) {
        if (left[g, k, r] ~ /^-/) {
            option(g, k, r)
        } else {
            print ".TP"
            print "\\fB" roff(left[g, k, r]) "\\fR"
            print roff(right[g, k, r])
        }
    }
}
function usage(text,    program, rest) {
    split(text, program, " ")
    rest = substr(text, length(program[1]) + 2)
    print ".B " roff(program[1])
    print roff(rest)
}
function command(name, summary,    g, k, w) {
    print ".SS " roff(name)
    for (g = 2; g <= f; g++) {
        for (k = 1; k <= n[g]; k++)
            if (kind[g, k] == "usage" && split(text_[g, k], w, " ") > 1 && w[2] == name)
                break
        if (k <= n[g])
            break
    }
    if (g > f) {
        print roff(summary)
        return
    }
    for (k = 1; k <= n[g]; k++) {
        if (kind[g, k] == "usage") {
            usage(text_[g, k])
        } else if (kind[g, k] == "para") {
            print ".PP"
            print roff(text_[g, k])
        } else {
            print ".PP"
            print roff(text_[g, k]) ":"
            print ".RS"
            rows_of(g, k)
            print ".RE"
        }
    }
}
END {
    print ".TH VEXA\\-MODULANT\\-CLI 1 \"\" \"Vexa Modulant " version "\" \"User Commands\""
    # Neither hyphenate nor stretch: option names and values are typed.
    print ".nh"
    print ".ad l"
    for (k = 1; k <= n[1]; k++)
        if (kind[1, k] == "para") break
    summary = text_[1, k]
    sub(/\.$/, "", summary)
    print ".SH NAME"
    print "vexa\\-modulant\\-cli \\- " roff(summary)
    print ".SH SYNOPSIS"
    for (k = 1; k <= n[1]; k++)
        if (kind[1, k] == "usage") usage(text_[1, k])
    print ".SH DESCRIPTION"
    first = 1
    for (k = 1; k <= n[1]; k++) {
        if (kind[1, k] != "para") continue
        if (!first) print ".PP"
        print roff(text_[1, k])
        first = 0
    }
    for (k = 1; k <= n[1]; k++) {
        if (kind[1, k] != "section") continue
        print ".SH " toupper(text_[1, k])
        if (text_[1, k] == "Commands") {
            for (r = 1; r <= rows[1, k]; r++)
                command(left[1, k, r], right[1, k, r])
        } else {
            rows_of(1, k)
        }
    }
}
' $files > "$tmp/page"

cat >> "$tmp/page" <<'EOF'
.SH ENVIRONMENT
.TP
.B VEXA_SIMULATOR
Attaches the simulated programmers VEXASIM1 and VEXASIM2 with a sample module:
1 for the built-in module, a file name to keep the module's 512 bytes in that file.
.TP
.B NO_COLOR
Turns off the colours of
.B decode
on a terminal.
.SH FILES
.TP
.I ~/.config/Zorvik/Vexa Modulant.conf
The settings shared with the window: the language and the custom module password.
.SH SEE ALSO
.BR vexa\-modulant (1),
.BR ethtool (8),
.BR i2cdump (8)
EOF
mv "$tmp/page" "$out"
