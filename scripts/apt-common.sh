# Shared by the scripts that ask apt for something (sourced). A mirror in mid-sync
# fails one index now and then ("File has unexpected size ... Mirror sync in
# progress?", seen for hours on the i386 security index), and `apt-get update`
# then exits 100 although every other index was fetched. So an update is tried
# twice and then the indexes there are are used; a step fails only when what it
# needs (a package to install, a source package) cannot be had, and says which.
# The caller sets $apt_sudo ("" or "sudo") and $apt_who (its own name for messages).

apt_sudo=${apt_sudo:-}
apt_who=${apt_who:-$(basename "$0")}

apt_update() {
  if $apt_sudo apt-get update -qq; then return 0; fi
  sleep "${VORLAN_APT_RETRY_SECONDS:-5}"
  $apt_sudo apt-get update -qq && return 0
  echo "$apt_who: some package indexes could not be updated; using those there are" >&2
}

# The folder of apt's source lists and its main list, as apt itself is set up
# (not a fixed /etc path).
apt_source_lists() { # prints: parts-folder main-list
  local parts='' list=''
  eval "$(apt-config shell parts Dir::Etc::sourceparts/d list Dir::Etc::sourcelist/f)"
  echo "${parts:-/etc/apt/sources.list.d/}" "${list:-/etc/apt/sources.list}"
}

# Downloads a source package into the current folder, or stops the script
# naming the package and apt's own reason.
apt_source() { # package
  local package=$1 out
  if out=$(apt-get source --download-only -qq "$package" 2>&1 >/dev/null); then return 0; fi
  echo "$apt_who: the source package $package cannot be had from apt: ${out##*$'\n'}" >&2
  exit 1
}

# deb-src entries for the archive and suites apt already uses, derived from
# the machine's own sources, in a file of their own; nothing is changed when
# apt can already name the package's source. An index that cannot be updated
# does not stop the caller: fetching the source says whether it can.
apt_ensure_deb_src() { # package
  if apt-get source --download-only --print-uris "$1" >/dev/null 2>&1; then return 0; fi
  local parts main
  read -r parts main < <(apt_source_lists)
  local list=${parts%/}/vorlan-deb-src
  if [ -f "${parts%/}/debian.sources" ]; then
    sed 's/^Types:.*/Types: deb-src/' "${parts%/}/debian.sources" |
      $apt_sudo tee "$list.sources" >/dev/null
  elif [ -f "$main" ]; then
    grep -E '^deb ' "$main" | sed 's/^deb /deb-src /' |
      $apt_sudo tee "$list.list" >/dev/null
  else
    echo "$apt_who: no apt sources found to derive deb-src entries from" >&2
    exit 1
  fi
  apt_update
}
