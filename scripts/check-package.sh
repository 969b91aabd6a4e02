#!/usr/bin/env bash
# scripts/check-package.sh [PACKAGE]
# Checks the Debian package that scripts/package.sh made (or PACKAGE) without
# installing it: lintian finds neither errors nor warnings, the menu entry
# and the AppStream data validate, and the programs unpacked from it run and
# agree with the manual page and the completion beside them.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

vexa_install_packages "${VEXA_PACKAGE_CHECKERS[@]}"
deb=${1:-$(ls "$VEXA_ROOT"/build/vexa-modulant_*.deb)}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
usr=$root/usr
cli=$usr/bin/vexa-modulant-cli

fail() { echo "check-package: $*" >&2; exit 1; }

# Lintian warns that it runs as root, as CI does; that is no finding.
lintian --fail-on error,warning "$deb" 2> >(grep -v "running with root privileges" >&2)
desktop-file-validate "$usr/share/applications/vexa-modulant.desktop"
appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml > /dev/null

# The programs show 0.18 of package version 0.18.0.
shown=$("$cli" --version) || fail "--version failed"
version=$(dpkg-deb -f "$deb" Version)
[[ $version == "${shown#vexa-modulant-cli }"* ]] || fail "--version says \"$shown\", the package is $version"
help=$("$cli" --lang en --help) || fail "--help failed"

page=$(zcat "$usr/share/man/man1/vexa-modulant-cli.1.gz")
for command in $(sed -n 's/^  \([a-z][a-z0-9-]*\)  .*/\1/p' <<< "$help"); do
    grep -qx "\.SS $command" <<< "$page" || fail "the manual page has no section for \"$command\""
done

# The completion, as bash-completion loads it, offers the program's commands.
bash -c 'source "$1"; COMP_WORDS=("$2" "re"); COMP_CWORD=1; _vexa_modulant_cli "$2" re "$2"
         [[ ${COMPREPLY[*]} == read ]]' - "$usr/share/bash-completion/completions/vexa-modulant-cli" "$cli" \
    || fail "the completion does not complete \"re\" to \"read\""
echo "The package passed its checks: $deb"
