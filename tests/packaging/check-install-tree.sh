#!/usr/bin/env bash
# `cmake --install` lays out the tree the package ships, and the installed
# program finds its help and translations there, in every language whose
# translation source is in RESOURCES/translations.
#   check-install-tree.sh BUILD_DIR RESOURCES
set -euo pipefail
build=$1
resources=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
for path in bin/vorlan bin/vorlanctl \
    share/vorlan/help/Vorlan.html share/vorlan/help/Vorlan_de.html \
    share/vorlan/translations/vorlan_de.qm \
    $(cd "$resources/translations" && for ts in vorlan_*.ts; do
        language=${ts#vorlan_}
        echo "share/vorlan/translations/vorlan_${language%.ts}.qm share/vorlan/help/Vorlan_${language%.ts}.html"
    done) \
    share/applications/vorlan.desktop share/metainfo/org.kelvane.vorlan.metainfo.xml \
    share/icons/hicolor/scalable/apps/vorlan.svg \
    share/icons/hicolor/16x16/apps/vorlan.png share/icons/hicolor/256x256/apps/vorlan.png \
    share/man/man1/vorlan.1.gz share/man/man1/vorlanctl.1.gz \
    share/bash-completion/completions/vorlanctl \
    share/doc/vorlan/copyright share/doc/vorlan/changelog.gz; do
    if [[ ! -f $prefix/$path ]]; then
        echo "not installed: $path" >&2
        failures=$((failures + 1))
    fi
done
# Nothing left in the old places beside the program.
for old in bin/help bin/translations; do
    if [[ -e $prefix/$old ]]; then
        echo "still installed beside the program: $old" >&2
        failures=$((failures + 1))
    fi
done
[[ $("$prefix/bin/vorlan" --version) == "vorlan "* ]] || { echo "vorlan --version" >&2; failures=$((failures + 1)); }
exit $((failures > 0))
