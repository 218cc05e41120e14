#!/bin/bash
# The manual page and the bash completion of schemist-cli, as installed:
# the page renders without a groff warning and covers every option of the
# help; completion offers the options and the fixed values of a setting.
# Usage: cli_docs_test.sh BUILD_DIR CLI_PATH
set -u
build=$1
cli=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install"
page=$(find "$prefix" -path '*/man1/schemist-cli.1*' | head -1)
completion=$prefix/share/bash-completion/completions/schemist-cli
[[ -n $page ]] || fail "no manual page under man1"
[[ -f $completion ]] || fail "no completion under share/bash-completion/completions"

if [[ -n $page ]]; then
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "man reports: $warnings"
    text=$(MANWIDTH=80 man -l "$page" 2>/dev/null)
    for option in $("$cli" --help | grep -o -- '--[a-z0-9-]*' | sort -u); do
        grep -q -- "$option" <<<"$text" || fail "the manual page does not cover $option"
    done
    for option in $("$cli" diff --help | grep -o -- '--[a-z0-9-]*' | sort -u); do
        grep -q -- "$option" <<<"$text" || fail "the manual page does not cover diff $option"
    done
    grep -q "schemist-cli diff" <<<"$text" || fail "the manual page does not show the diff command"
    for status in 0 1 2 64; do
        grep -q "^ *$status  " <<<"$text" || fail "the manual page does not explain exit status $status"
    done
fi

if [[ -f $completion ]]; then
    # shellcheck disable=SC1090
    source "$completion"
    complete -p schemist-cli >/dev/null || fail "no completion registered for schemist-cli"
    complete_words() {
        COMP_WORDS=("$@")
        COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        COMPREPLY=()
        _schemist_cli
        printf '%s\n' "${COMPREPLY[@]}"
    }
    offered=$(complete_words schemist-cli --tabl)
    [[ $offered == --tables ]] || fail "--tabl completes to [$offered]"
    offered=$(complete_words schemist-cli --)
    for option in $("$cli" --help | grep -o -- '--[a-z0-9-]*' | sort -u); do
        grep -qx -- "$option" <<<"$offered" || fail "completion does not offer $option"
    done
    offered=$(complete_words schemist-cli di)
    [[ $offered == diff ]] || fail "di completes to [$offered]"
    offered=$(complete_words schemist-cli diff --)
    # The options of the diff command's help (its description names others).
    for option in $("$cli" diff --help | grep -E '^ +-' | grep -o -- '--[a-z0-9-]*' | sort -u); do
        grep -qx -- "$option" <<<"$offered" || fail "diff completion does not offer $option"
    done
    offered=$(complete_words schemist-cli diff --format "")
    [[ $offered == $'text\nmd\njson' ]] || fail "diff --format offers [$offered]"
    offered=$(complete_words schemist-cli --module-kind "")
    [[ $offered == $'1\n2\n3' ]] || fail "--module-kind offers [$offered]"
fi
exit $failed
